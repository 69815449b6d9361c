// The menu's windows, as the tests over every window take them: from the one table the menu is
// built from (Module1::FinestreMenu), never from a list of their own.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/finestre.h"
#include "platform/form.h"

namespace testsupport {

// The windows a test leaves out on purpose, by class, each with the reason.
using Escluse = std::map<std::string, const char*>;

// The menu's windows of kind W, in the menu's order, each with its row. A kind no window of the
// menu has fails the test: a test over it would pass by checking nothing.
template <class W>
std::vector<std::pair<const FinestraMenu&, W&>> Finestre() {
  std::vector<std::pair<const FinestraMenu&, W&>> finestre;
  for (const FinestraMenu& f : Module1::FinestreMenu()) {
    if (auto* w = dynamic_cast<W*>(f.apri())) finestre.push_back({f, *w});
  }
  if (finestre.empty()) ADD_FAILURE() << "no window of the menu is of this kind";
  return finestre;
}

template <class W, class T>
struct Voce {
  const FinestraMenu& riga;
  W& finestra;
  const T& caso;  // what the test knows of the window
};

// Every window of the menu, in the menu's order, with its entry in `casi` (by class), as a W.
// A window that has no entry and is not left out fails the test, and so do a window described
// that is not a W, and an entry or a leaving-out for a class that is no window of the menu.
template <class W = platform::Form, class T>
std::vector<Voce<W, T>> PerFinestra(const std::map<std::string, T>& casi, const Escluse& escluse = {}) {
  std::vector<Voce<W, T>> voci;
  std::set<std::string> menu;
  for (const FinestraMenu& f : Module1::FinestreMenu()) {
    menu.insert(f.classe);
    const auto c = casi.find(f.classe);
    const bool lasciata = escluse.count(f.classe) > 0;
    if (c != casi.end() && lasciata) {
      ADD_FAILURE() << f.classe << " is both described and left out";
    } else if (c == casi.end() && !lasciata) {
      ADD_FAILURE() << f.classe << ", a window of the menu, has no entry in this test and is not among those it leaves out";
    } else if (c != casi.end()) {
      if (auto* w = dynamic_cast<W*>(f.apri())) {
        voci.push_back({f, *w, c->second});
      } else {
        ADD_FAILURE() << f.classe << " is not a window of the kind this test drives";
      }
    }
  }
  for (const auto& c : casi) {
    if (!menu.count(c.first)) ADD_FAILURE() << c.first << " is described by this test but is no window of the menu";
  }
  for (const auto& e : escluse) {
    if (!menu.count(e.first)) ADD_FAILURE() << e.first << " is left out by this test but is no window of the menu";
  }
  return voci;
}

}  // namespace testsupport
