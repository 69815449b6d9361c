#include "conjugation/verb_lists.h"

#include <optional>

#include "conjugation/modulo_fosku.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/textfile.h"

namespace CostruisciFosku {

std::array<VerboRegolare, CapacitaAre + 1> RadiciAre;
std::array<VerboRegolare, CapacitaEre + 1> RadiciEre;
std::array<VerboRegolare, CapacitaIre + 1> RadiciIre;
int NumeroRadiciAre = 0;
int NumeroRadiciEre = 0;
int NumeroRadiciIre = 0;

std::string RadiceScelta;
int IndiceEstratto = 0;

namespace {

// One list file and the marks every root read from it receives.
struct ListFile {
  const char* name;
  int coniugazione;
  const char* ausiliare;
  const char* remotoIo;      // -ere only
  const char* remotoEgli;    // -ere only
  const char* presenteIo;    // -ire only
};

// In reading order. The egli remote past of the "ei" list is written with the acute accent
// (temé, batté), as standard Italian spells it.
constexpr ListFile kListFiles[] = {
    {"\\testiFosku\\2\\regolariare.txt", ModuloFosku::ConiugazioneAre, "a", "", "", ""},
    {"\\testiFosku\\2\\regolariareausessere.txt", ModuloFosku::ConiugazioneAre, "e", "", "", ""},
    {"\\testiFosku\\2\\regolariere.txt", ModuloFosku::ConiugazioneEre, "a", "etti", "ette", ""},
    {"\\testiFosku\\2\\regolariereei.txt", ModuloFosku::ConiugazioneEre, "a", "ei", "é", ""},
    {"\\testiFosku\\2\\regolariire.txt", ModuloFosku::ConiugazioneIre, "a", "", "", "o"},
    {"\\testiFosku\\2\\regolariireisco.txt", ModuloFosku::ConiugazioneIre, "a", "", "", "isco"},
    {"\\testiFosku\\2\\regolariireausessere.txt", ModuloFosku::ConiugazioneIre, "e", "", "", "o"},
    {"\\testiFosku\\2\\regolariireiscoausiliareessere.txt", ModuloFosku::ConiugazioneIre, "e", "", "",
     "isco"},
};

// The rows of a class's list (capacity + 1 of them) and its count; null rows for any other class.
struct ListRef {
  VerboRegolare* rows = nullptr;
  int capacity = 0;
  int* count = nullptr;
};

ListRef ListOf(int coniugazione) {
  switch (coniugazione) {
    case ModuloFosku::ConiugazioneAre: return {RadiciAre.data(), CapacitaAre, &NumeroRadiciAre};
    case ModuloFosku::ConiugazioneEre: return {RadiciEre.data(), CapacitaEre, &NumeroRadiciEre};
    case ModuloFosku::ConiugazioneIre: return {RadiciIre.data(), CapacitaIre, &NumeroRadiciIre};
    default: return {};
  }
}

}  // namespace

void LeggiFosku() {
  for (int c : {ModuloFosku::ConiugazioneAre, ModuloFosku::ConiugazioneEre, ModuloFosku::ConiugazioneIre}) {
    ListRef list = ListOf(c);
    *list.count = 0;
    for (int row = 0; row <= list.capacity; ++row) list.rows[row] = VerboRegolare{};
  }
  for (const ListFile& file : kListFiles) {
    std::optional<std::vector<std::string>> items = platform::ReadFields(platform::ProgramPath(file.name));
    if (!items) continue;
    ListRef list = ListOf(file.coniugazione);
    for (const std::string& item : *items) {
      if (*list.count >= list.capacity) break;
      VerboRegolare& row = list.rows[++*list.count];
      row.Radice = item;
      row.Ausiliare = file.ausiliare;
      row.DesinenzaRemotoIo = file.remotoIo;
      row.DesinenzaRemotoEgli = file.remotoEgli;
      row.DesinenzaPresenteIo = file.presenteIo;
    }
  }
}

std::vector<std::string> ListFilesOf(int Coniugazione) {
  std::vector<std::string> names;
  for (const ListFile& file : kListFiles) {
    if (file.coniugazione == Coniugazione) names.emplace_back(file.name);
  }
  return names;
}

int CountOf(int Coniugazione) {
  ListRef list = ListOf(Coniugazione);
  return list.count ? *list.count : 0;
}

const VerboRegolare& RowOf(int Coniugazione, int riga) {
  static const VerboRegolare kEmpty;
  ListRef list = ListOf(Coniugazione);
  if (!list.rows || riga < 0 || riga > list.capacity) return kEmpty;
  return list.rows[riga];
}

bool DrawRegularVerb(int Coniugazione) {
  ListRef list = ListOf(Coniugazione);
  if (!list.rows) return false;
  std::optional<int> row = platform::DrawUsable(
      1, *list.count, [&list](int r) { return !list.rows[r].Radice.empty(); });
  if (!row) return false;
  IndiceEstratto = *row;
  RadiceScelta = list.rows[*row].Radice;
  return true;
}

VerboRegolare CurrentVerb(int Coniugazione) {
  VerboRegolare verb = RowOf(Coniugazione, IndiceEstratto);
  verb.Radice = RadiceScelta;
  return verb;
}

}  // namespace CostruisciFosku
