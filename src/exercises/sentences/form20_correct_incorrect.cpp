#include "exercises/sentences/form20_correct_incorrect.h"

Form20::Form20()
    : DueBottoni(Finestra::Form20, {.primoFile = "\\testiFosku\\6\\corrette.txt",
                                    .secondoFile = "\\testiFosku\\6\\scorrette.txt",
                                    .didascalia0 = QStringLiteral("Frase corretta"),
                                    .didascalia1 = QStringLiteral("Frase scorretta"),
                                    .titoloGriglia = QStringLiteral("Frase"),
                                    .intestazione0 = QStringLiteral("corrette"),
                                    .intestazione1 = QStringLiteral("scorrette")}) {}
