#include "Handler.h"

namespace kuvel {

std::string errorReport(const std::exception& error)
{
    return std::string("Kuvel met an error it cannot recover from and has to close.\n\n") + error.what();
}

}  // namespace kuvel
