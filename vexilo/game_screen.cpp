#include "vexilo/game_screen.h"

#include "platform/blit.h"

namespace {

using namespace layout;
using platform::Blit;
using platform::RasterOp;

// A sprite covers the whole screen: its mask (right half) cuts the hole, its picture (left
// half) fills it.
void DrawSprite(platform::Image& back, const platform::Image& sprite) {
  Blit(back, 0, 0, kScreenWidth, kScreenHeight, sprite, kScreenWidth, 0, RasterOp::And);
  Blit(back, 0, 0, kScreenWidth, kScreenHeight, sprite, 0, 0, RasterOp::Or);
}

void DrawDigitCell(platform::Image& back, const platform::Image& digits, int cell, int x) {
  Blit(back, x, kDigitY, kDigitCell, kDigitCell, digits, 0, cell * kDigitCell, RasterOp::And);
}

// The last digit of n, also for a negative n (which the game never reaches).
int LastDigit(int n) { return ((n % 10) + 10) % 10; }

}  // namespace

void PaintTitleScreen(const Pictures& pictures, platform::Image& back) {
  Blit(back, 0, 0, kScreenWidth, kScreenHeight, pictures.titleBack, 0, 0, RasterOp::Copy);
}

void PaintGameScreen(const GameRecord& r, const Pictures& p, platform::Image& back) {
  Blit(back, 0, 0, kScreenWidth, kScreenHeight, p.flagBack, 0, 0, RasterOp::Copy);

  if (r.countdown >= 0) {
    int top = r.countdown;
    Blit(back, kTimeX, kTimeBottomY - kTimeStep * top, kTimeCell, kTimeCell, p.time, 0,
         (4 - top) * kTimeCell, RasterOp::Copy);
    for (int i = 0; i < top; ++i)
      Blit(back, kTimeX, kTimeBottomY - kTimeStep * i, kTimeCell, kTimeCell, p.time, 0,
           kTimeFillerCell * kTimeCell, RasterOp::Copy);
  }

  if (r.instruction >= 0 && r.instruction < 4)
    Blit(back, kInstructionX, kInstructionTop + kInstructionStep * r.instruction, kInstructionSize,
         kInstructionSize, p.instruction[r.instruction], 0, 0, RasterOp::Copy);

  for (int k = 0; k < 4; ++k) DrawSprite(back, r.raised[k] ? p.flagUp[k] : p.flagDown[k]);
  DrawSprite(back, p.figure);

  if (r.extraPictureRoll == 0)
    Blit(back, kExtraX, kExtraY, kExtraSize, kExtraSize, p.extra, 0, 0, RasterOp::Copy);

  DrawDigitCell(back, p.digits, kSeparatorCell, kSeparatorX);
  // During a miss the lives digit blinks against the banner: on while the banner is off.
  if (!r.miss || !ShowsMissBanner(r.missBlink)) DrawDigitCell(back, p.digits, LastDigit(r.lives), kLivesX);
  // Two places: a score of 100 or more shows its last two digits.
  DrawDigitCell(back, p.digits, LastDigit(r.score / 10), kTensX);
  DrawDigitCell(back, p.digits, LastDigit(r.score), kOnesX);

  if (ShowsMissBanner(r.missBlink))
    Blit(back, kBannerX, kBannerY, kBannerWidth, kBannerHeight, p.missBanner, 0, 0, RasterOp::Copy);
  if (r.speedUpShown)
    Blit(back, kBannerX, kBannerY, kBannerWidth, kBannerHeight, p.speedUpBanner, 0, 0, RasterOp::Copy);
}
