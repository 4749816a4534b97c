#include "platform/common/messages.h"

#include <deque>

namespace {
std::deque<SysMessage> g_Queue;
}

void MessagesPush(int kind, int param) {
    g_Queue.push_back(SysMessage{kind, param});
}
bool MessagesEmpty() {
    return g_Queue.empty();
}

SysMessage MessagesPop() {
    SysMessage m = g_Queue.front();
    g_Queue.pop_front();
    return m;
}

void MessagesClear() {
    g_Queue.clear();
}

void sys_PostMessage(int kind, int param) {
    MessagesPush(kind, param);
}
