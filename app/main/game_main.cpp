// The game program: the real window, sound and input.
#include "app/app.h"

int main(int, char**) {
    return GameMain(nullptr);
}
