#include "cardfile/network_read_error.h"

#include "cardfile/card_errors.h"
#include "cardfile/carousel_file.h"

#include <stdexcept>

std::string NetworkReadErrorMessage()
{
    const std::string corrupt = "The File appears to be corrupt. Please consult Technical Support";
    try {
        throw;
    } catch (const errFileRead& e) {
        return e.what();
    } catch (const errIncompatibleSchema& e) {
        return "The file was created on a later version of Gyrolith which is not compatible with "
               "this version.\n" +
               std::string(e.what());
    } catch (const errCorruptCardData&) {
        // errExpectedCardNotFound and every other card that cannot be what a writer produced.
        return corrupt;
    } catch (eFileError error) {
        switch (error) {
        case eFileError::Corrupt:
            return corrupt;
        case eFileError::LaterVersion:
            return "The File was created on a later version of Gyrolith and cannot be loaded "
                   "into this version";
        }
        return "An unknown error occured reading the file. Please consult Technical Support";
    } catch (const std::logic_error& e) {
        return e.what();
    } catch (const std::exception&) {
        return corrupt;
    }
}
