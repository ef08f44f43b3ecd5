// Links one call into each library that scripts/web-setup builds for the browser, and runs under
// Node: SDL2 starts, SDL2_image decodes a PNG (its stb decoder), SDL2_mixer brings up its mp3
// decoder (mpg123), SDL2_ttf starts freetype, and assimp reads a triangle from a .x file.
// Prints one line per library, then "web-check: 5 passed, 0 failed".
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cstdio>
#include <cstring>

namespace {

int passed = 0;
int failed = 0;

void Report(const char* library, bool ok, const char* detail) {
  std::printf("%-11s %s  %s\n", library, ok ? "ok    " : "FAILED", detail);
  ok ? ++passed : ++failed;
}

// A 2x1 RGBA picture: a red pixel, then a green one.
const unsigned char kPng[] =
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x02\x00\x00"
    "\x00\x01\x08\x06\x00\x00\x00\xf4\x22\x7f\x8a\x00\x00\x00\x0e\x49\x44\x41\x54\x78\x9c\x63"
    "\xf8\xcf\xc0\xf0\x1f\x04\x01\x10\xf8\x03\xfd\x4e\x95\xc1\x6f\x00\x00\x00\x00\x49\x45\x4e"
    "\x44\xae\x42\x60\x82";

const char kTriangleX[] =
    "xof 0303txt 0032\n"
    "Mesh {\n"
    " 3;\n"
    " 0.0;0.0;0.0;,\n"
    " 1.0;0.0;0.0;,\n"
    " 0.0;1.0;0.0;;\n"
    " 1;\n"
    " 3;0,1,2;;\n"
    "}\n";

}  // namespace

int main() {
  char detail[128];

  bool sdlOk = SDL_Init(0) == 0;
  SDL_version sdl;
  SDL_GetVersion(&sdl);
  std::snprintf(detail, sizeof detail, "%d.%d.%d %s", sdl.major, sdl.minor, sdl.patch,
                sdlOk ? "" : SDL_GetError());
  Report("SDL2", sdlOk, detail);

  SDL_Surface* loaded = IMG_LoadTyped_RW(SDL_RWFromConstMem(kPng, sizeof kPng - 1), 1, "PNG");
  SDL_Surface* picture = loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0)
                                : nullptr;
  bool imageOk = false;
  if (picture) {
    const unsigned char* second = static_cast<const unsigned char*>(picture->pixels) + 4;
    imageOk = picture->w == 2 && picture->h == 1 && second[0] == 0 && second[1] == 255 &&
              second[2] == 0 && second[3] == 255;
    std::snprintf(detail, sizeof detail, "png %dx%d, second pixel %d,%d,%d,%d", picture->w,
                  picture->h, second[0], second[1], second[2], second[3]);
  } else {
    std::snprintf(detail, sizeof detail, "png not decoded: %s", IMG_GetError());
  }
  Report("SDL2_image", imageOk, detail);
  SDL_FreeSurface(picture);
  SDL_FreeSurface(loaded);

  int mixerFlags = Mix_Init(MIX_INIT_MP3);
  std::snprintf(detail, sizeof detail, "mp3 decoder %s", mixerFlags & MIX_INIT_MP3 ? "ready" : Mix_GetError());
  Report("SDL2_mixer", (mixerFlags & MIX_INIT_MP3) != 0, detail);
  Mix_Quit();

  bool ttfOk = TTF_Init() == 0;
  Report("SDL2_ttf", ttfOk, ttfOk ? "freetype started" : TTF_GetError());
  if (ttfOk) TTF_Quit();

  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFileFromMemory(kTriangleX, std::strlen(kTriangleX),
                                                     aiProcess_Triangulate, "x");
  unsigned vertices = scene && scene->mNumMeshes == 1 ? scene->mMeshes[0]->mNumVertices : 0;
  std::snprintf(detail, sizeof detail, ".x triangle: %u vertices %s", vertices,
                scene ? "" : importer.GetErrorString());
  Report("assimp", vertices == 3, detail);

  SDL_Quit();
  std::printf("web-check: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
