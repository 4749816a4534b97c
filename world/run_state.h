// Run values shared by many areas: the story progress, the world-stop flags, the items
// and cards. They live here until their owning screens take them over.
#pragma once
#include <cstdint>

enum : int32_t { STORY_FLAG_COUNT = 1000, ITEM_KINDS = 10, CARD_COUNT = 10 };

extern int32_t StoryFlags[STORY_FLAG_COUNT];  // flag k = 1 once scene k has completed
extern int32_t EventSteps[STORY_FLAG_COUNT];  // step counter of scene k
extern uint8_t BossFight;                     // a boss fight runs
extern uint8_t EventActive;                   // the world is stopped
extern uint8_t KeyHeld;                       // an action key was down at the end of the last frame
extern uint8_t AdvanceLock;                   // X may not advance a dialogue line
extern int32_t ItemCounts[ITEM_KINDS];        // 0-100 of each recovery item
extern int32_t CardFlags[CARD_COUNT];         // 1 = hanafuda card found
