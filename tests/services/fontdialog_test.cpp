// The real font dialog, with Qt's Italian texts as the program runs it, driven as the pupil
// does: it opens on the label's face, a change of face keeps the style, the settings' name of
// the face stays when only the size changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QTimer>

#include "platform/translation.h"
#include "services/commdlgs.h"

namespace {

// Picks the entry with this text in one of the dialog's lists, as a click on it does.
void Scegli(QListView* lista, const QString& testo) {
  for (int r = 0; r < lista->model()->rowCount(); ++r) {
    const QModelIndex i = lista->model()->index(r, 0);
    if (i.data().toString() == testo) {
      lista->setCurrentIndex(i);
      return;
    }
  }
  ADD_FAILURE() << "not in the list: " << testo.toStdString();
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
  };
  const Caso casi[] = {
      {false, false, "", "Liberation Serif", "48", "Liberation Serif", false, false},
      {false, false, "", "Comic Neue", "48", "Comic Neue", false, false},
      {false, false, "", "", "36", "Arial", false, false},
      {true, false, "", "Liberation Serif", "48", "Liberation Serif", true, false},
      {false, false, "Italic", "Liberation Serif", "48", "Liberation Serif", false, true},
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
      if (!c.stile.isEmpty()) Scegli(liste[1], c.stile);
      if (!c.famiglia.isEmpty()) Scegli(liste[0], c.famiglia);
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
