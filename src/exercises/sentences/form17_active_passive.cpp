#include "exercises/sentences/form17_active_passive.h"

Form17::Form17()
    : DueBottoni(Finestra::Form17, {.primoFile = "\\testiFosku\\7\\attive.txt",
                                    .secondoFile = "\\testiFosku\\7\\passive.txt",
                                    .didascalia0 = QStringLiteral("Frase attiva"),
                                    .didascalia1 = QStringLiteral("Frase passiva"),
                                    .titoloGriglia = QStringLiteral("Frase"),
                                    .intestazione0 = QStringLiteral("Attive"),
                                    .intestazione1 = QStringLiteral("Passiva")}) {}
