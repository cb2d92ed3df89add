// Messages of the card reading errors.
#include "cardfile/card_errors.h"

errIncompatibleSchema errIncompatibleSchema::ForWriterVersion(std::string_view writerVersion)
{
    return errIncompatibleSchema("The file was created on version " + std::string(writerVersion) +
                                 " of Gyrolith");
}
