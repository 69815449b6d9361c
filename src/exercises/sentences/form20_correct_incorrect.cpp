#include "exercises/sentences/form20_correct_incorrect.h"

Form20::Form20()
    : DueBottoni(Finestra::Form20, {.primoFile = "\\testiFosku\\6\\corrette.txt",
                                    .secondoFile = "\\testiFosku\\6\\scorrette.txt", .didascalia0 = "Frase corretta",
                                    .didascalia1 = "Frase scorretta", .titoloGriglia = "Frase",
                                    .intestazione0 = "corrette", .intestazione1 = "scorrette"}) {}
