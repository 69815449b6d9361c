// The real font dialog, with Qt's Italian texts as the program runs it, driven as the pupil
// does: it opens on the label's face, a change of face keeps the style, the settings' name of
// the face stays when only the size changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStyledItemDelegate>
#include <QTimer>

#include "platform/translation.h"
#include "services/commdlgs.h"

namespace {

// The entries of one of the dialog's lists as the pupil reads them.
QStringList Voci(QListView* lista) {
  QStringList voci;
  for (int r = 0; r < lista->model()->rowCount(); ++r) {
    const QModelIndex i = lista->model()->index(r, 0);
    const auto* delegato = qobject_cast<QStyledItemDelegate*>(lista->itemDelegateForIndex(i));
    voci << (delegato != nullptr ? delegato->displayText(i.data(), QLocale()) : i.data().toString());
  }
  return voci;
}

// Picks the entry the pupil reads as this text in one of the dialog's lists, as a click on it does.
void Scegli(QListView* lista, const QString& testo) {
  const int r = static_cast<int>(Voci(lista).indexOf(testo));
  if (r < 0) {
    ADD_FAILURE() << "not in the list: " << testo.toStdString();
    return;
  }
  lista->setCurrentIndex(lista->model()->index(r, 0));
}

// The one-line box that shows the entry chosen in a list.
QString Casella(QFontDialog* d, int lista) {
  // Face, style and size stand on the dialog itself; the sample's box is in a frame of its own.
  const auto caselle = d->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
  return caselle.size() == 3 ? caselle[lista]->text() : QString();
}

}  // namespace

TEST(FontDialog, KeepsThePupilsStyleAndTheSettingsName) {
  ASSERT_TRUE(platform::LoadItalianQtTranslation());
  struct Caso {
    bool grassetto, corsivo;  // the label's style before
    QString stile;            // a style the pupil picks first ("" none)
    QString famiglia;         // the face the pupil picks ("" none)
    QString dimensione;       // the size the pupil picks
    QString nome;             // the name the label gets
    bool grassettoDopo, corsivoDopo;
    QString stileVisto = {};  // the style the box shows once the face is chosen ("": the one picked)
  };
  const Caso casi[] = {
      {false, false, "", "Liberation Serif", "48", "Liberation Serif", false, false},
      {false, false, "", "Comic Neue", "48", "Comic Neue", false, false},
      {false, false, "", "", "36", "Arial", false, false},
      {true, false, "", "Liberation Serif", "48", "Liberation Serif", true, false},
      {false, false, "Corsivo", "Liberation Serif", "48", "Liberation Serif", false, true},
      {false, false, "Grassetto corsivo", "", "36", "Arial", true, true},
      {true, false, "", "DejaVu Sans", "24", "DejaVu Sans", true, false},
      {false, true, "", "URW Gothic [urw]", "24", "URW Gothic [urw]", false, true, "Obliquo"},  // «Book Oblique»
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE((c.famiglia + "/" + c.stile + "/" + c.dimensione).toStdString());
    QLabel etichetta("x");
    QFont f("Arial", 48);
    f.setBold(c.grassetto);
    f.setItalic(c.corsivo);
    etichetta.setFont(f);
    QString apertaSu;
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
      if (d == nullptr) return ADD_FAILURE() << "no font dialog";
      apertaSu = d->currentFont().family();
      const auto liste = d->findChildren<QListView*>();  // faces, styles, sizes
      if (liste.size() != 3) {
        d->reject();  // a dialog left open would wait for ever
        return ADD_FAILURE() << "the dialog's lists changed";
      }
      // The styles in Italian, in the list and in the box above it.
      QStringList stili = Voci(liste[1]);
      stili.sort();
      EXPECT_EQ(stili, QStringList({"Corsivo", "Grassetto", "Grassetto corsivo", "Normale"}));
      EXPECT_EQ(Casella(d, 1), (QStringList{"Normale", "Grassetto", "Corsivo", "Grassetto corsivo"}[c.grassetto + 2 * c.corsivo]));
      if (!c.stile.isEmpty()) Scegli(liste[1], c.stile);
      if (!c.famiglia.isEmpty()) Scegli(liste[0], c.famiglia);
      // Whatever the face, no English name is left («Book», «Oblique» in DejaVu Sans).
      const QString visti = Voci(liste[1]).join(",") + "," + Casella(d, 1);
      for (const char* inglese : {"Regular", "Book", "Bold", "Italic", "Oblique", "Condensed", "Light"}) {
        EXPECT_FALSE(visti.contains(inglese, Qt::CaseInsensitive)) << visti.toStdString();
      }
      if (const QString visto = c.stileVisto.isEmpty() ? c.stile : c.stileVisto; !visto.isEmpty()) {
        EXPECT_EQ(Casella(d, 1), visto);
      }
      Scegli(liste[2], c.dimensione);
      d->accept();
    });
    ASSERT_TRUE(CommDlgs::ShowFontDialog(nullptr, &etichetta));
    EXPECT_EQ(apertaSu.toStdString(), QFontInfo(QFont("Arial")).family().toStdString()) << "opens on the face Arial stands for";
    EXPECT_EQ(etichetta.font().family().toStdString(), c.nome.toStdString());
    EXPECT_EQ(etichetta.font().pointSize(), c.dimensione.toInt());
    EXPECT_EQ(etichetta.font().bold(), c.grassettoDopo);
    EXPECT_EQ(etichetta.font().italic(), c.corsivoDopo);
  }
}
