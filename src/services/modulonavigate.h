// Opens a document (the manual) with the desktop's default application, without waiting.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace ModuloNavigate {

// Every failure is ignored: a missing file or a missing viewer shows nothing.
void ApriDocumento(QWidget* form, const std::string& path);

// Tests record the opening instead of starting a viewer.
using Opener = std::function<void(const std::string& path)>;
void SetOpener(Opener opener);  // empty: the desktop's "open"

}  // namespace ModuloNavigate
