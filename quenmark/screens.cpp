// The title menu, the side bar's texts and icons, and the result screen.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "quenmark/game.h"
#include "quenmark/side_bar_layout.h"

namespace {

constexpr int kShownKind = 4;  // a screen picture or text that is drawn
constexpr int kHiddenKind = 0;
constexpr int kPowerCharacters = 8;   // the power string is cut to this length
constexpr float kItemScale = 15;        // a menu item's scale when it is not pulsing

void Place(Sprite& s, int texture, float x, float y, float scale) { PlacePicture(s, x, y, texture, scale, kShownKind); }

template <size_t N>
void Hide(std::array<Sprite, N>& row, size_t count = N) {
  for (size_t i = 0; i < count && i < N; ++i) row[i].kind = kHiddenKind;
}

// One sprite per character of text, left to right from (x, y).
// KEEP: entries past the end of the string are left as they were. The strings shown keep
// their length in play (nine digits; the power stays below 10, three characters), so nothing
// stale is seen. Pinned by QuenmarkSideBar.
// PowerShowsOneDecimalAtMostEightCharactersAndLeavesTheRestAsItWas.
void LayOutText(std::array<Sprite, SpritePools::kTextRow>& row, const char* text, float x, float y,
                float scale) {
  for (size_t i = 0; i < row.size() && text[i] != '\0'; ++i) {
    Sprite& s = row[i];
    s.x = x + float(i) * scale * side_bar::kCharacterStep;
    s.y = y;
    s.z = 0;
    s.scale = scale;
    s.texture = kAsciiTexture;
    s.cell = static_cast<unsigned char>(text[i]);
    s.kind = kShownKind;
  }
}

void LayOutText(std::array<Sprite, SpritePools::kTextRow>& row, const char* text, const side_bar::Row& at) {
  LayOutText(row, text, at.x, at.y, at.scale);
}

// The selected menu item breathes: 3 degrees a tick, a period of 120 ticks, 14.25 to 15.75.
float PulseScale(int titleTicks) {
  return std::sin(float(titleTicks) * 3.0f * 0.017453292f) * 0.75f + kItemScale;
}

bool Held(InputWord input, InputWord keys) { return (input & keys) != 0; }

}  // namespace

void QuenmarkGame::PrepareFixedPictures() {
  Sprite& sideBar = sprites.screen[screen_slot::kSideBar];
  Place(sideBar, kSideBarTexture, side_bar::kBar.x, side_bar::kBar.y, side_bar::kBar.scale);
  sideBar.kind = kHiddenKind;
  // The loading picture: the tick that starts a game only raises and lowers it, within that
  // tick, so it is placed here and never reaches the screen.
  Sprite& loading = sprites.screen[screen_slot::kLoading];
  Place(loading, kLoadingTexture, -50, 40, 50);
  loading.kind = kHiddenKind;
}

void QuenmarkGame::UpdateMenus(InputWord input) {
  std::array<Sprite, SpritePools::kScreen>& screen = sprites.screen;
  if (gameState == kTitleState) {
    if (!menu.titleBuilt) {
      Place(screen[screen_slot::kPicture], kTitleTexture, 0, 30, 40);
      Place(screen[screen_slot::kStartItem], kStartTexture, 0, 80, kItemScale);
      Place(screen[screen_slot::kQuitItem], kQuitTexture, 0, 130, kItemScale);
      menu.titleBuilt = true;
    }
    const int chosen = menu.cursor;
    if (chosen == 1 || chosen == 2) {
      Sprite& item = screen[size_t(chosen == 1 ? screen_slot::kStartItem : screen_slot::kQuitItem)];
      item.scale = PulseScale(menu.titleTicks);
      // KEEP: the latch is read once, so a tick that moves the cursor may still choose, and it
      // chooses the item selected when the tick began: Down and Z together on "Start" start.
      // Pinned by QuenmarkTitleMenu.DownAndZInOneTickOnStartMovesTheCursorAndStillStarts.
      if (!menu.keyLatch) {
        if (Held(input, input_bits::kUp | input_bits::kDown)) {
          menu.cursor = chosen == 1 ? 2 : 1;
          item.scale = kItemScale;
          menu.keyLatch = true;
        }
        if (Held(input, input_bits::kZ | input_bits::kEnter)) {
          screen[screen_slot::kPicture].kind = kHiddenKind;
          screen[screen_slot::kStartItem].kind = kHiddenKind;
          screen[screen_slot::kQuitItem].kind = kHiddenKind;
          gameState = chosen == 1 ? kStartingState : kQuittingState;
        }
      }
    } else {
      menu.cursor = 1;  // this tick chooses nothing; the next one pulses "Start"
    }
    menu.titleTicks += 1;
  } else if (gameState == kResultState) {
    Place(screen[screen_slot::kPicture], kResultTexture, 0, 30, 40);
    // Enter leaves whether or not the latch is set: a key held from play ends the run at once.
    if (Held(input, input_bits::kEnter)) {
      screen[screen_slot::kPicture].kind = kHiddenKind;
      gameState = kQuittingState;
      menu.cursor = 2;
      menu.keyLatch = true;
      menu.titleBuilt = false;
    }
  } else {
    return;
  }
  // Only a readable tick with no key releases the latch; an unreadable keyboard reports a word
  // of its own, not 0.
  if (input == 0) menu.keyLatch = false;
}

void QuenmarkGame::UpdateScreenTexts() {
  // Sized for the longest result; snprintf cuts the power to its eight characters.
  char hiScoreString[SpritePools::kTextRow + 1];
  char scoreString[SpritePools::kTextRow + 1];
  char powerString[kPowerCharacters + 1];
  // FIXED: the scores are unsigned and printed so; printed as signed numbers, a score past
  // 2,147,483,647 would show as a negative one. Below that the text is the same.
  // Pinned by QuenmarkSideBar.ScoresPastTheSignedRangeShowUnsigned.
  std::snprintf(hiScoreString, sizeof hiScoreString, "%09u", unsigned(player.hiScore));
  std::snprintf(scoreString, sizeof scoreString, "%09u", unsigned(player.score));
  std::snprintf(powerString, sizeof powerString, "%01.01f", double(player.power));

  if (gameState == kPlayingState) {
    LayOutText(sprites.hiScoreText, hiScoreString, side_bar::kHiScore);
    LayOutText(sprites.scoreText, scoreString, side_bar::kScore);
    LayOutText(sprites.powerText, powerString, side_bar::kPower);
    const side_bar::Row& lives = side_bar::kLives;
    for (int i = 0; i < SpritePools::kLifeIcons; ++i) {
      Sprite& icon = sprites.lifeIcons[size_t(i)];
      Place(icon, kLifeTexture, lives.x + float(i) * lives.scale * side_bar::kCharacterStep, lives.y, lives.scale);
      icon.kind = i < player.lives ? kShownKind : kHiddenKind;
    }
    // KEEP: raised after the layout, so the high score shown catches up one tick after the
    // score passes it. Pinned by
    // QuenmarkSideBar.HighScoreShownCatchesUpOneTickAfterTheScorePassesIt.
    if (player.hiScore < player.score) player.hiScore = player.score;
  } else if (gameState == kResultState) {
    Hide(sprites.powerText, kPowerCharacters);
    Hide(sprites.lifeIcons);
    LayOutText(sprites.scoreText, scoreString, -20, 0, 1.5f);
    // The side bar is gone, and its high score with it: one entry for each character of the
    // score placed, which covers the row as both have the same number of digits.
    Hide(sprites.hiScoreText, std::strlen(scoreString));
  } else if (gameState == kTitleState) {
    Hide(sprites.powerText, kPowerCharacters);
    Hide(sprites.lifeIcons);
    Hide(sprites.scoreText);
    Hide(sprites.hiScoreText);
  }
}
