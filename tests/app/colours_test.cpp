// The coloured controls of every kind (buttons, labels, panels with options, frames, the sound
// switch, text boxes), read off their rendered pixels once answered right and wrong: the exact
// colour the window gives them, painted flat, and a caption that reads on it (contrast at least
// 4.5, disabled controls included).
#include <gtest/gtest.h>

#include <QStyleOptionButton>

#include "app/finestre.h"
#include "app/formmenu.h"
#include "exercises/sentences/form9_recognise_verb.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/verbs/form10_complete_tables.h"
#include "exercises/verbs/form11_classification.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "support/exercise_fixture.h"
#include "support/pixels.h"
#include "tables/form3_conjugation_tables.h"

namespace {

const QColor kRosso(255, 0, 0), kVerde(0, 192, 0), kAzzurro(192, 255, 255), kBlu(0, 0, 255),
    kGiallo(255, 255, 192), kBianco(255, 255, 255), kVerdeChiaro(128, 255, 128), kRosa(255, 192, 255),
    kLilla(128, 128, 255);

// The control's colour as painted, and its caption's contrast on it. `margine` leaves out the
// edge of a button; `area` reads only a part of the control.
void Verifica(const char* cosa, QWidget* w, const QColor& colore, bool didascalia = true, int margine = 6,
              QRect area = {}) {
  SCOPED_TRACE(cosa);
  ASSERT_NE(w, nullptr);
  const QImage img = testsupport::Rendered(w);
  if (area.isNull()) area = img.rect().adjusted(margine, margine, -margine, -margine);
  const QColor sfondo = testsupport::Background(img, area);
  EXPECT_EQ(sfondo, colore);
  if (didascalia) {
    EXPECT_GE(testsupport::Contrast(sfondo, testsupport::MostContrasting(img, sfondo, area)), 4.5);
  }
}

// The box of a check box or option button, and the colour at its middle.
QRect Casella(QAbstractButton* b, QStyle::SubElement e) {
  QStyleOptionButton o;
  o.initFrom(b);
  return b->style()->subElementRect(e, &o, b);
}
QColor Segno(QAbstractButton* b) {
  return testsupport::Rendered(b).pixelColor(Casella(b, QStyle::SE_RadioButtonIndicator).center());
}

class Colours : public testsupport::ExerciseTest {
 protected:
  void Scrivi(const std::string& relative, const std::string& riga) {
    programma.Write(relative, platform::EncodeCp1252(riga) + "\r\n");
  }
  testsupport::TempProgramFolder programma{true};
};

}  // namespace

TEST_F(Colours, EveryKindOfColouredControlIsExactAndLegible) {
  Scrivi("testiFosku/3/liv1.txt", "il gatto#0#dorme#1#sul divano#0#");
  Module1::RegistraFinestre();
  const std::vector<std::pair<const char*, std::function<void()>>> finestre = {
      {"menu", [] {
         auto& m = testsupport::Mostrata<FormMenu>();
         m.Form_MouseMove();
         m.Command1_MouseMove(3);
         Verifica("hovered", m.Command1[3], kRosso);
         Verifica("resting", m.Command1[4], kAzzurro);
         Verifica("sound switch", m.Check1, kBlu, true, 0, Casella(m.Check1, QStyle::SE_CheckBoxContents));
         ASSERT_TRUE(m.Check1->isChecked());
         Verifica("tick", m.Check1, kBianco, true, 0, Casella(m.Check1, QStyle::SE_CheckBoxIndicator).adjusted(2, 2, -2, -2));
       }},
      {"answer buttons", [] {
         auto& w = testsupport::Mostrata<Form1>();
         const int giusto = w.RispostaGiusta, sbagliato = (giusto + 1) % 3, altro = (giusto + 2) % 3;
         Verifica("neutral", w.Command1[0], kAzzurro);
         w.Command1_Click(sbagliato);
         Verifica("wrong", w.Command1[static_cast<size_t>(sbagliato)], kRosso);
         w.Command1_Click(giusto);
         Verifica("wrong, answered", w.Command1[static_cast<size_t>(sbagliato)], kRosso);
         Verifica("right, answered", w.Command1[static_cast<size_t>(giusto)], kVerde);
         Verifica("neutral, answered", w.Command1[static_cast<size_t>(altro)], kAzzurro);
       }},
      {"word labels", [] {
         auto& w = testsupport::Mostrata<Form9>();
         w.Label3_Click(2);
         w.Label3_Click(1);
         Verifica("wrong", w.Label3[2], kRosso, true, 1);
         Verifica("right", w.Label3[1], kVerde, true, 1);
         Verifica("other", w.Label3[0], kBianco, true, 1);
       }},
      {"sentence pairs", [] {
         auto& a = testsupport::Mostrata<Form14>();
         Verifica("window", a.Surface(), kAzzurro, false);
         Verifica("sentence", a.Label3[0], kBianco);
         a.Label4_DragDrop(0, 0);
         a.Label4_DragDrop(1, 1);
         Verifica("box 0", a.Label4[0], kVerdeChiaro);
         Verifica("box 1", a.Label4[1], kRosa);
         Verifica("next", a.BottoneAvanti, kLilla, false);
         Verifica("caption", a.Label6[0], kAzzurro, true, 0);
       }},
      {"tables", [] {
         auto& w = testsupport::Mostrata<Form10>();
         Verifica("empty row", w.Label1[0], kGiallo, true, 2);
         int libera = 0;
         const int celle = static_cast<int>(w.Label1.size());
         while (libera < celle && platform::Tag(w.Label1[static_cast<size_t>(libera)]).isEmpty()) ++libera;
         ASSERT_LT(libera, celle) << "no row of the table left to fill";
         w.Label1_DragDrop(libera, libera);
         Verifica("filled row", w.Label1[static_cast<size_t>(libera)], kAzzurro, true, 2);
         Verifica("form", w.Label3[(static_cast<size_t>(libera) + 1) % w.Label3.size()], kBianco, true, 2);
       }},
      {"classification", [] {
         auto& w = testsupport::Mostrata<Form11>();
         w.Text1->setText(w.InfinitoAtteso);
         w.Text1_KeyUp(13, 0);
         Verifica("infinitive, answered", w.Text1, w.Text1->palette().color(QPalette::Disabled, QPalette::Base));
         Verifica("open step", w.Picture2, kAzzurro, false);
         Verifica("open option", w.Option2[0], kAzzurro, true, 0);
         w.Option2[static_cast<size_t>(w.ConiugazioneScelta)]->click();
         w.Option1[static_cast<size_t>(w.PersonaEstratta)]->click();
         w.Option3[static_cast<size_t>(Form11::ModoDelTempo(w.TempoEstratto))]->click();
         w.Option4[static_cast<size_t>(w.TempoEstratto)]->click();
         ASSERT_TRUE(w.BottoneAvanti->isEnabled());
         Verifica("finished step", w.Picture1, kBlu, false);
         for (QRadioButton* o : w.Option2) Verifica("finished option", o, kBlu, true, 0);
         // The chosen option's mark stands out on its white box; the others' boxes stay empty.
         for (size_t i = 0; i < w.Option2.size(); ++i) {
           const double segno = testsupport::Contrast(Segno(w.Option2[i]), kBianco);
           if (static_cast<int>(i) == w.ConiugazioneScelta) {
             EXPECT_GE(segno, 4.5) << i;
           } else {
             EXPECT_LT(segno, 1.5) << i;
           }
         }
       }},
      {"answer box", [] {
         auto& w = testsupport::Mostrata<Form18>();
         w.Text1[0]->setText(w.RispostaAttesa);
         w.Text1_KeyUp(0, 13);
         ASSERT_FALSE(w.Text1[0]->isEnabled());
         Verifica("answered", w.Text1[0], w.Text1[0]->palette().color(QPalette::Disabled, QPalette::Base));
       }},
      {"conjugation tables", [] {
         auto& w = testsupport::Mostrata<Form3>();
         Verifica("margin", w.Surface(), QColor(0, 128, 0), false, 0, QRect(0, 0, 4, w.Surface()->height()));
         Verifica("frame", w.Frame2[1], kGiallo, true, 4);
         Verifica("option", w.Option2[0], kGiallo, true, 0);
         Verifica("root", w.LabelRadice[0], kGiallo, true, 0);
       }},
  };
  for (const auto& [nome, prova] : finestre) {
    SCOPED_TRACE(nome);
    prova();
    for (auto* f : platform::Form::LoadedForms()) f->Unload();
  }
}
