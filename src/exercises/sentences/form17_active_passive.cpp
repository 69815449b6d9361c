#include "exercises/sentences/form17_active_passive.h"

Form17::Form17()
    : DueBottoni(Finestra::Form17, {.primoFile = "\\testiFosku\\7\\attive.txt",
                                    .secondoFile = "\\testiFosku\\7\\passive.txt", .didascalia0 = "Frase attiva",
                                    .didascalia1 = "Frase passiva", .titoloGriglia = "Frase",
                                    .intestazione0 = "Attive", .intestazione1 = "Passiva"}) {}
