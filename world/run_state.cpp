// Storage of the shared run values.
#include "world/run_state.h"

int32_t StoryFlags[STORY_FLAG_COUNT];
int32_t EventSteps[STORY_FLAG_COUNT];
uint8_t BossFight;
uint8_t EventActive;
uint8_t KeyHeld;
uint8_t AdvanceLock;
int32_t ItemCounts[ITEM_KINDS];
int32_t CardFlags[CARD_COUNT];
