// A Qt "generic" plugin that the start-up tests load into the real program
// (QT_QPA_GENERIC_PLUGINS=foskuclose:Avvio|Tabelle mescolate). Once the program's windows are up
// it presses, one after the other, the visible buttons named after its key (as a pupil would), then
// closes the window on screen the way the window system does: a spontaneous close event to the
// native window. The program itself is not changed; it must end by itself afterwards.
// Loaded under its other key (QT_QPA_GENERIC_PLUGINS=foskushown) it only says, on a line of
// its own on the standard output, when the program first shows a window, and touches nothing.
// As foskustato it touches nothing either: it answers each line the test writes on its standard
// input with one line on its standard output, so that a test driving the program with the real
// keyboard and mouse of an X server can wait for what the pupil would see:
//   "stato"        -> the active window's title, the control with the focus (its address, class,
//                     text, the title of the panel it lies in, whether it is shown), the status
//                     bar's panels on show, the window's frame and the screen's available area;
//   "dove CAPTION" -> the screen point at the middle of the button on show with that caption.
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGenericPlugin>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <unistd.h>
#include <QtTest/qtestspontaneevent.h>

namespace {

// A caption written on two lines in the program, with the line end as a blank.
QString Didascalia(const QString& testo) {
  QString t = testo;
  t.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  return t.trimmed();
}

class Sonda : public QObject {
 public:
  Sonda(QStringList passi, bool soloAnnuncia) : passi_(std::move(passi)), soloAnnuncia_(soloAnnuncia) {
    connect(&timer_, &QTimer::timeout, this, &Sonda::Passo);
    timer_.start(150);
  }

 private:
  static QWidget* FinestraVisibile() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && w->windowHandle() != nullptr && qobject_cast<QWidget*>(w->parent()) == nullptr) return w;
    }
    return nullptr;
  }

  void Passo() {
    QWidget* finestra = FinestraVisibile();
    if (finestra == nullptr) return;
    if (soloAnnuncia_) {
      timer_.stop();
      std::fputs("fosku: window shown\n", stdout);
      std::fflush(stdout);
      return;
    }
    if (!passi_.isEmpty()) {
      for (QAbstractButton* b : finestra->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && b->isEnabled() && Didascalia(b->text()) == passi_.first()) {
          passi_.removeFirst();
          b->click();
          return;
        }
      }
      return;
    }
    timer_.stop();
    QCloseEvent chiudi;
    QSpontaneKeyEvent::setSpontaneous(&chiudi);
    QCoreApplication::sendEvent(finestra->windowHandle(), &chiudi);
  }

  QStringList passi_;
  bool soloAnnuncia_;
  QTimer timer_;
};

QString Rettangolo(const QRect& r) {
  return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

class Stato : public QObject {
 public:
  Stato() : notifica_(STDIN_FILENO, QSocketNotifier::Read) {
    connect(&notifica_, &QSocketNotifier::activated, this, &Stato::Leggi);
  }

 private:
  void Leggi() {
    char buffer[512];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
      notifica_.setEnabled(false);  // the test is gone
      return;
    }
    ricevuto_.append(buffer, static_cast<int>(n));
    for (qsizetype fine = ricevuto_.indexOf('\n'); fine >= 0; fine = ricevuto_.indexOf('\n')) {
      const QString riga = QString::fromUtf8(ricevuto_.left(fine)).trimmed();
      ricevuto_.remove(0, fine + 1);
      const QByteArray risposta = (riga.startsWith(QStringLiteral("dove ")) ? Dove(riga.mid(5)) : Descrivi()).toUtf8();
      std::fputs(risposta.constData(), stdout);
      std::fputs("\n", stdout);
      std::fflush(stdout);
    }
  }

  static QString Descrivi() {
    QStringList campi{QStringLiteral("stato")};
    QWidget* finestra = QApplication::activeWindow();
    campi << QStringLiteral("finestra=") + (finestra != nullptr ? finestra->windowTitle() : QString());
    QString fuoco;
    if (QWidget* f = QApplication::focusWidget()) {
      QString testo;
      if (auto* b = qobject_cast<QAbstractButton*>(f)) testo = Didascalia(b->text());
      if (auto* l = qobject_cast<QLabel*>(f)) testo = Didascalia(l->text());
      if (auto* e = qobject_cast<QLineEdit*>(f)) testo = e->text();
      QString pannello;
      if (QWidget* sopra = f->parentWidget()) {
        for (QLabel* l : sopra->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
          if (!l->text().isEmpty()) {
            pannello = l->text();
            break;
          }
        }
      }
      fuoco = QStringLiteral("%1|%2|%3|%4|%5")
                  .arg(reinterpret_cast<quintptr>(f), 0, 16)
                  .arg(QString::fromLatin1(f->metaObject()->className()), testo, pannello)
                  .arg(f->isVisible() ? 1 : 0);
    }
    campi << QStringLiteral("fuoco=") + fuoco;
    QStringList pannelli;
    if (finestra != nullptr) {
      if (auto* barra = finestra->findChild<QStatusBar*>()) {
        for (QLabel* l : barra->findChildren<QLabel*>()) {
          if (l->isVisible()) pannelli << l->text();
        }
      }
      campi << QStringLiteral("cornice=") + Rettangolo(finestra->frameGeometry());
      campi << QStringLiteral("area=") + Rettangolo(finestra->screen()->availableGeometry());
    }
    campi << QStringLiteral("pannelli=") + pannelli.join(QLatin1Char('|'));
    return campi.join(QLatin1Char('\t'));
  }

  static QString Dove(const QString& didascalia) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible()) continue;
      for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && Didascalia(b->text()) == didascalia.trimmed()) {
          const QPoint p = b->mapToGlobal(b->rect().center());
          return QStringLiteral("dove %1 %2").arg(p.x()).arg(p.y());
        }
      }
    }
    return QStringLiteral("dove -");
  }

  QSocketNotifier notifica_;
  QByteArray ricevuto_;
};

class SondaPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "close_probe.json")

 public:
  QObject* create(const QString& chiave, const QString& passi) override {
    if (chiave == QStringLiteral("foskustato")) return new Stato();
    return new Sonda(passi.isEmpty() ? QStringList() : passi.split(QLatin1Char('|')),
                     chiave == QStringLiteral("foskushown"));
  }
};

}  // namespace

#include "close_probe.moc"
