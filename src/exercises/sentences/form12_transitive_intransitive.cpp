#include "exercises/sentences/form12_transitive_intransitive.h"

Form12::Form12()
    : DueBottoni(Finestra::Form12, {"\\testiFosku\\4\\transitivi.txt", "\\testiFosku\\4\\intransitivi.txt",
                                 QStringLiteral("Transitivo"), QStringLiteral("Intransitivo"),
                                 QStringLiteral("Verbo"), QStringLiteral("Transitivi"), QStringLiteral("Intransitivi")}) {}
