// The message queue both backends share: translated platform events and the game's
// own posted messages, in arrival order.
#pragma once
#include "platform/system.h"

void MessagesPush(int kind, int param);
bool MessagesEmpty();
SysMessage MessagesPop();  // the queue must not be empty
void MessagesClear();
