#include "assets/quenmark/quenmark_pictures.h"

#include "assets/quenmark/ascii_sheet.h"
#include "assets/quenmark/enemy_craft.h"
#include "assets/quenmark/hit_marker.h"
#include "assets/quenmark/magic_stone.h"
#include "assets/quenmark/menu_words.h"
#include "assets/quenmark/player_ship.h"
#include "assets/quenmark/result_picture.h"
#include "assets/quenmark/shot_pictures.h"
#include "assets/quenmark/side_bar.h"
#include "assets/quenmark/texel_bleed.h"
#include "assets/quenmark/title_picture.h"

namespace assets::quenmark {

std::vector<QuenmarkPictures::Entry> QuenmarkPictures::Files() const {
  return {{"MyShip.dds", &ship},        {"Center.dds", &hitMarker},    {"EnemyWhite.dds", &enemy},
          {"bullet.dds", &shot},        {"needle.dds", &needle},       {"EnemyBullet.dds", &enemyBullet},
          {"Loading.dds", &loading},    {"Title.dds", &title},         {"Start.dds", &start},
          {"quit.dds", &quit},          {"MagicStone.dds", &lifeStone}, {"SideBar.dds", &sideBar},
          {"ASCII.dds", &ascii},        {"result.dds", &result}};
}

bool DrawQuenmarkPictures(QuenmarkPictures& p) {
  p.ship = RenderPlayerShip(128);
  p.hitMarker = RenderHitMarker(32);
  p.enemy = RenderEnemyCraft(128);
  // Small in play, but blown up to 296 units as the explosion: enough texels to stay smooth.
  p.shot = RenderShotOrb(128);
  p.needle = RenderNeedle(32);
  p.enemyBullet = RenderEnemyBullet(64);
  p.lifeStone = RenderMagicStone(128);
  bool ok = RenderLoadingWord(256, p.loading) && RenderTitlePicture(1024, p.title) && RenderStartWord(512, p.start) &&
            RenderQuitWord(512, p.quit) && RenderSideBar(1024, p.sideBar) && RenderAsciiSheet(512, p.ascii) &&
            RenderResultPicture(1024, p.result);
  if (!ok) return false;
  for (platform::Image* image : {&p.ship, &p.hitMarker, &p.enemy, &p.shot, &p.needle, &p.enemyBullet, &p.loading,
                                 &p.title, &p.start, &p.quit, &p.lifeStone, &p.ascii, &p.result})
    BleedColourIntoTransparent(*image);
  return true;
}

}  // namespace assets::quenmark
