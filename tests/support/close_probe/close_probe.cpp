// A Qt "generic" plugin that the start-up tests load into the real program
// (QT_QPA_GENERIC_PLUGINS=foskuclose:Avvio|Tabelle mescolate). Once the program's windows are up
// it presses, one after the other, the visible buttons named after its key (as a pupil would), then
// closes the window on screen the way the window system does: a spontaneous close event to the
// native window. The program itself is not changed; it must end by itself afterwards.
// Loaded under its other key (QT_QPA_GENERIC_PLUGINS=foskushown) it only says, on a line of
// its own on the standard output, when the program first shows a window, and touches nothing.
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <QtTest/qtestspontaneevent.h>

namespace {

class Sonda : public QObject {
 public:
  Sonda(QStringList passi, bool soloAnnuncia) : passi_(std::move(passi)), soloAnnuncia_(soloAnnuncia) {
    connect(&timer_, &QTimer::timeout, this, &Sonda::Passo);
    timer_.start(150);
  }

 private:
  static QWidget* FinestraVisibile() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && w->windowHandle() != nullptr && qobject_cast<QWidget*>(w->parent()) == nullptr) return w;
    }
    return nullptr;
  }

  void Passo() {
    QWidget* finestra = FinestraVisibile();
    if (finestra == nullptr) return;
    if (soloAnnuncia_) {
      timer_.stop();
      std::fputs("fosku: window shown\n", stdout);
      std::fflush(stdout);
      return;
    }
    if (!passi_.isEmpty()) {
      // Captions written on two lines in the program are matched with the line end as a blank.
      for (QAbstractButton* b : finestra->findChildren<QAbstractButton*>()) {
        QString testo = b->text();
        testo.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        if (b->isVisible() && b->isEnabled() && testo.trimmed() == passi_.first()) {
          passi_.removeFirst();
          b->click();
          return;
        }
      }
      return;
    }
    timer_.stop();
    QCloseEvent chiudi;
    QSpontaneKeyEvent::setSpontaneous(&chiudi);
    QCoreApplication::sendEvent(finestra->windowHandle(), &chiudi);
  }

  QStringList passi_;
  bool soloAnnuncia_;
  QTimer timer_;
};

class SondaPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "close_probe.json")

 public:
  QObject* create(const QString& chiave, const QString& passi) override {
    return new Sonda(passi.isEmpty() ? QStringList() : passi.split(QLatin1Char('|')),
                     chiave == QStringLiteral("foskushown"));
  }
};

}  // namespace

#include "close_probe.moc"
