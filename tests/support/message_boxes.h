// Message boxes answered, never shown.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/msgbox.h"

namespace testsupport {

// A handler that keeps each box's text in `dove` (with its code in front, "16 text", when
// `conCodice`) and answers it `risposta`.
inline platform::MsgBoxHandler Annota(QStringList& dove, int risposta = platform::vbOK, bool conCodice = false) {
  return [&dove, risposta, conCodice](const QString& t, int code) {
    dove << (conCodice ? QStringLiteral("%1 %2").arg(code).arg(t) : t);
    return risposta;
  };
}

}  // namespace testsupport
