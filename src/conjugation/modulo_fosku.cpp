#include "conjugation/modulo_fosku.h"

#include "conjugation/tables_data.h"
#include "platform/random.h"

namespace ModuloFosku {

std::array<std::string, NumeroPersone> Persone;
std::array<std::string, NumeroTempi> Tempi;
std::array<std::string, NumeroTempi> TempiModi;
std::array<std::string, NumeroTempi> TempiBrevi;

TabellaTempi FormeEssere;
TabellaTempi FormeAvere;
TabellaTempi DesinenzeAre;
TabellaTempi DesinenzeEre;
TabellaTempi DesinenzeIre;

std::string ParticipioPresenteEssere, ParticipioPassatoEssere, GerundioEssere, InfinitoEssere;
std::string ParticipioPresenteAvere, ParticipioPassatoAvere, GerundioAvere, InfinitoAvere;
std::string ParticipioPresenteAre, ParticipioPassatoAre, GerundioAre, InfinitoAre;
std::string ParticipioPresenteEre, ParticipioPassatoEre, GerundioEre, InfinitoEre;
std::string ParticipioPresenteIre, ParticipioPassatoIre, GerundioIre, InfinitoIre;

int TempoScelto = 0;

namespace {

void Copia(TabellaTempi& table, const detail::Column (&from)[NumeroColonne]) {
  for (int c = 0; c < NumeroColonne; ++c) {
    for (int p = 0; p < NumeroPersone; ++p) table[c][p] = std::string(from[c][p]);
  }
}

void Copia(const detail::NonFinite& from, std::string& presente, std::string& passato,
           std::string& gerundio, std::string& infinito) {
  presente = std::string(from.participioPresente);
  passato = std::string(from.participioPassato);
  gerundio = std::string(from.gerundio);
  infinito = std::string(from.infinito);
}

void RiempiTempiPersone() {
  for (int p = 0; p < NumeroPersone; ++p) Persone[p] = std::string(detail::kPersone[p]);
  for (int t = 0; t < NumeroTempi; ++t) {
    Tempi[t] = std::string(detail::kTempi[t]);
    TempiBrevi[t] = std::string(detail::kTempiBrevi[t]);
    if (t >= TempoImperativo) {
      TempiModi[t] = Tempi[t];
    } else {
      TempiModi[t] = Tempi[t] + "\r\n" + (TempoComposto(t) ? "tempo composto" : "tempo semplice");
    }
  }
}

}  // namespace

int ColonnaDelTempo(int Tempo) {
  static constexpr int kColonna[NumeroTempi] = {0, 1, 2, 3, 0, 1, 2, 3, 4, 5, 4, 5, 6, 6, 7, -1};
  return (Tempo >= 0 && Tempo < NumeroTempi) ? kColonna[Tempo] : -1;
}

bool TempoComposto(int Tempo) {
  return (Tempo >= 4 && Tempo <= 7) || Tempo == 10 || Tempo == 11 || Tempo == 13;
}

void RiempiTabelle() {
  RiempiTempiPersone();
  Copia(FormeEssere, detail::kFormeEssere);
  Copia(detail::kEssere, ParticipioPresenteEssere, ParticipioPassatoEssere, GerundioEssere, InfinitoEssere);
  Copia(FormeAvere, detail::kFormeAvere);
  Copia(detail::kAvere, ParticipioPresenteAvere, ParticipioPassatoAvere, GerundioAvere, InfinitoAvere);
  Copia(DesinenzeAre, detail::kDesinenzeAre);
  Copia(detail::kAre, ParticipioPresenteAre, ParticipioPassatoAre, GerundioAre, InfinitoAre);
  Copia(DesinenzeEre, detail::kDesinenzeEre);
  Copia(detail::kEre, ParticipioPresenteEre, ParticipioPassatoEre, GerundioEre, InfinitoEre);
  Copia(DesinenzeIre, detail::kDesinenzeIre);
  Copia(detail::kIre, ParticipioPresenteIre, ParticipioPassatoIre, GerundioIre, InfinitoIre);
}

}  // namespace ModuloFosku
