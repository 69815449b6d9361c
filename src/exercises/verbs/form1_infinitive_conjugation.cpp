#include "exercises/verbs/form1_infinitive_conjugation.h"

#include "conjugation/modulo_fosku.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace {
const std::array<const char*, 3> kFile = {"\\testiFosku\\1\\are.txt", "\\testiFosku\\1\\ere.txt",
                                          "\\testiFosku\\1\\ire.txt"};

bool Vuota(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }
}  // namespace

Form1::Form1()
    : TreBottoni(Finestra::Form1, {{QStringLiteral("&1° Coniugazione"), QStringLiteral("&2° Coniugazione"),
                                    QStringLiteral("&3° Coniugazione")},
                                   true,
                                   QStringLiteral("Coniugazione (fosku all'infinito)"),
                                   {QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°")}}) {}

void Form1::LeggiFosku() {
  for (size_t c = 0; c < 3; ++c) {
    auto& lista = RadiciInfinito[c];
    lista.assign(1, std::string());  // row 0 stays empty
    const auto items = platform::ReadFields(platform::ProgramPath(kFile[c]));
    if (!items) continue;  // a missing file is an empty list
    for (const auto& item : *items) {
      if (static_cast<int>(lista.size()) > kCapacita) break;  // past the list's capacity
      lista.push_back(item);
    }
  }
}

std::optional<QString> Form1::Estrai() {
  auto usabile = [this](int c) {
    const auto& lista = RadiciInfinito[static_cast<size_t>(c)];
    for (size_t r = 1; r < lista.size(); ++r) {
      if (!Vuota(lista[r])) return true;
    }
    return false;
  };
  const int classe = ScegliUsabile(3, usabile);
  if (classe < 0) {
    SegnalaFileMancanti({kFile[0], kFile[1], kFile[2]});
    return std::nullopt;
  }
  RispostaGiusta = classe;
  const auto& lista = RadiciInfinito[static_cast<size_t>(classe)];
  const auto riga = ModuloFosku::DrawNonEmptyRow(1, static_cast<int>(lista.size()) - 1,
                                                 [&](int r) { return !Vuota(lista[static_cast<size_t>(r)]); });
  return QString::fromStdString(lista[static_cast<size_t>(*riga)] + DesinenzeInfinito[static_cast<size_t>(classe)]);
}
