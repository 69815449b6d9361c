#include "exercises/sentences/form20_correct_incorrect.h"

Form20::Form20()
    : DueBottoni(Finestra::Form20, {"\\testiFosku\\6\\corrette.txt", "\\testiFosku\\6\\scorrette.txt",
                                 QStringLiteral("Frase corretta"), QStringLiteral("Frase scorretta"),
                                 QStringLiteral("Frase"), QStringLiteral("corrette"), QStringLiteral("scorrette")}) {}
