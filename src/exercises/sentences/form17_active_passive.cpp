#include "exercises/sentences/form17_active_passive.h"

Form17::Form17()
    : DueBottoni(Finestra::Form17, {"\\testiFosku\\7\\attive.txt", "\\testiFosku\\7\\passive.txt",
                                 QStringLiteral("Frase attiva"), QStringLiteral("Frase passiva"),
                                 QStringLiteral("Frase"), QStringLiteral("Attive"), QStringLiteral("Passiva")}) {}
