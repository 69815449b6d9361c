#include "exercise_window/messaggi_file.h"

#include <QStringList>

#ifndef _WIN32
#include <unistd.h>

#include <cerrno>
#endif

#include "platform/paths.h"
#include "platform/textfile.h"

StatoFileDati EsaminaFileDati(const std::string& percorso) {
  switch (platform::AccessOf(percorso)) {
    case platform::PathAccess::Missing: return StatoFileDati::Manca;
    case platform::PathAccess::Denied: return StatoFileDati::Vietato;
    case platform::PathAccess::Reachable: break;
  }
  const auto bytes = platform::ReadFileBytes(percorso);
  if (!bytes) {
#ifndef _WIN32
    if (::access(percorso.c_str(), R_OK) != 0 && errno == EACCES) return StatoFileDati::Vietato;
#endif
    return StatoFileDati::Illeggibile;
  }
  // A byte-order mark alone, as some editors save an empty file, is empty too.
  if (platform::DecodeText(*bytes).find_first_not_of(" \t\r\n") == std::string::npos) return StatoFileDati::Vuoto;
  return StatoFileDati::SenzaRigheUtili;
}

namespace {

QString Descrizione(const std::string& file) {
  const std::string percorso = platform::ProgramPath(file);
  const QString nome = QStringLiteral("\"%1\"").arg(QString::fromStdString(percorso));
  switch (EsaminaFileDati(percorso)) {
    case StatoFileDati::Manca:
      return QStringLiteral("manca il file %1").arg(nome);
    case StatoFileDati::Vietato:
      return QStringLiteral("accesso negato al file %1").arg(nome);
    case StatoFileDati::Illeggibile:
      return QStringLiteral("il file %1 non si può leggere").arg(nome);
    case StatoFileDati::Vuoto:
      return QStringLiteral("il file %1 è vuoto").arg(nome);
    case StatoFileDati::SenzaRigheUtili:
      break;
  }
  return QStringLiteral("il file %1 non ha nessuna riga utilizzabile").arg(nome);
}

}  // namespace

QString MessaggioFileDati(const QString& apertura, const std::vector<std::string>& files) {
  QStringList righe;
  for (const auto& f : files) righe << Descrizione(f);
  if (righe.size() == 1) return apertura + QStringLiteral(": ") + righe[0] + QStringLiteral(".");
  // One line per file, so that a long path never hides what is wrong with the next one.
  return apertura + QStringLiteral(":\n- ") + righe.join(QStringLiteral(";\n- ")) + QStringLiteral(".");
}
