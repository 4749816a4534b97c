// The status panel record, its reset and its drawing.
#include "world/status_panel.h"

#include "app/modes.h"
#include "render/face.h"

StatusPanelRecord StatusPanel;

// Game start: the panel face shows the first portrait until the heroine picks hers.
void InitPanelFaceQuad() {
    SelectFaceCell(&StatusPanel.face, 0);
}

void StartLevelUpBanner() {
    StatusPanel.bannerKind = BANNER_LEVEL_UP;
    StatusPanel.bannerTimer = LEVEL_UP_BANNER_FRAMES;
}

float StaminaBarWidth(int32_t stamina, int32_t level) {
    if (stamina <= 0 || level <= 0) return 0;
    return static_cast<float>(stamina) / (static_cast<float>(level) * 10.0f) * 150.0f;
}

float GaugeBarWidth(int32_t gauge) {
    return gauge > 0 ? static_cast<float>(gauge) : 0.0f;
}
