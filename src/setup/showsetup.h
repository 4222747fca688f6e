#pragma once

class Session;

// Fills every caption of the setup diagram, the role selector and the logger
// box from EditSetup.
void ShowSetup(Session &session);
