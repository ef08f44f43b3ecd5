// The title menu, the side bar's texts and icons, and the result screen.
#include "quenmark/game.h"

void QuenmarkGame::PrepareFixedPictures() {}
void QuenmarkGame::UpdateMenus(InputWord) {}
void QuenmarkGame::UpdateScreenTexts() {}
