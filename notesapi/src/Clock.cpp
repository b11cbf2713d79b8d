// The current time.
#include "notesapi/src/Api.h"
#include "notesapi/src/TimeDate.h"

void LNPUBLIC OSCurrentTIMEDATE(TIMEDATE* retTimeDate) {
    if (retTimeDate)
        *retTimeDate = zns::NowTimeDate();
}
