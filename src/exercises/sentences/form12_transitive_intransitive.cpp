#include "exercises/sentences/form12_transitive_intransitive.h"

Form12::Form12()
    : DueBottoni(Finestra::Form12, {.primoFile = "\\testiFosku\\4\\transitivi.txt",
                                    .secondoFile = "\\testiFosku\\4\\intransitivi.txt",
                                    .didascalia0 = QStringLiteral("Transitivo"),
                                    .didascalia1 = QStringLiteral("Intransitivo"),
                                    .titoloGriglia = QStringLiteral("Verbo"),
                                    .intestazione0 = QStringLiteral("Transitivi"),
                                    .intestazione1 = QStringLiteral("Intransitivi")}) {}
