#include "ticketstation.h"

void TicketStation::onDownPic() {}
