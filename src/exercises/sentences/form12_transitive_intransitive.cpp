#include "exercises/sentences/form12_transitive_intransitive.h"

Form12::Form12()
    : DueBottoni(Finestra::Form12, {.primoFile = "\\testiFosku\\4\\transitivi.txt",
                                    .secondoFile = "\\testiFosku\\4\\intransitivi.txt", .didascalia0 = "Transitivo",
                                    .didascalia1 = "Intransitivo", .titoloGriglia = "Verbo",
                                    .intestazione0 = "Transitivi", .intestazione1 = "Intransitivi"}) {}
