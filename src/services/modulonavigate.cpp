#include "services/modulonavigate.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/paths.h"

namespace ModuloNavigate {
namespace {
Opener& TheOpener() {
  static Opener opener;
  return opener;
}
}  // namespace

void SetOpener(Opener opener) { TheOpener() = std::move(opener); }

void ApriDocumento(QWidget* /*form*/, const std::string& path) {
  // Nothing to open: the desktop would show an error of its own, so say nothing.
  if (!platform::EsisteFile(path)) return;
  if (TheOpener()) {
    TheOpener()(path);
    return;
  }
  // Starts the viewer detached and returns at once; its result is not used.
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace ModuloNavigate
