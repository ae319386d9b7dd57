#include "calc/failure.h"

namespace abaquino {

std::string_view FailureMessage(Failure failure)
{
    switch (failure) {
    case Failure::NotANumber: return "Numero non valido";
    case Failure::DivisionByZero: return "Impossibile dividere per zero";
    case Failure::Undefined: return "Risultato non definito";
    case Failure::TooLarge: return "Risultato troppo grande";
    case Failure::BeyondConversion: return "Importo troppo grande per la conversione";
    case Failure::TooLong: return "Numero troppo lungo";
    }
    return "Risultato non definito";
}

}  // namespace abaquino
