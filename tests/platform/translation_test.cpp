#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "platform/translation.h"

namespace {

// A text as the pupil reads it: no access-key mark, no shortcut after a tab.
QString Read(QString t) { return t.remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0).trimmed(); }

QStringList Texts(QWidget* w) {
  QStringList out;
  for (auto* l : w->findChildren<QLabel*>()) out << Read(l->text());
  for (auto* b : w->findChildren<QAbstractButton*>()) out << Read(b->text());
  for (auto* g : w->findChildren<QGroupBox*>()) out << Read(g->title());
  return out;
}

}  // namespace

TEST(ItalianQtTexts, MessageBoxFontDialogAndContextMenu) {
  ASSERT_TRUE(platform::LoadItalianQtTranslation());
  EXPECT_EQ(QLocale().language(), QLocale::Italian);

  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(Read(box.button(QMessageBox::Yes)->text()), "Sì");
  EXPECT_EQ(Read(box.button(QMessageBox::No)->text()), "No");

  QFontDialog dialog;
  const QStringList dialogo = Texts(&dialog);
  for (const char* it : {"Dimensione", "Effetti", "Annulla"}) EXPECT_TRUE(dialogo.contains(it)) << it;
  for (const char* en : {"Size", "Effects", "Cancel", "Font style"}) EXPECT_FALSE(dialogo.contains(en)) << en;

  QLineEdit casella(QStringLiteral("parola"));
  std::unique_ptr<QMenu> menu(casella.createStandardContextMenu());
  QStringList voci;
  for (QAction* a : menu->actions()) voci << Read(a->text());
  EXPECT_TRUE(voci.contains("Incolla"));
  EXPECT_TRUE(voci.contains("Seleziona tutto"));
  EXPECT_FALSE(voci.contains("Paste"));
}
