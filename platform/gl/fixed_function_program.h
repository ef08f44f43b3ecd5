#pragma once
#include "platform/gl/gl_api.h"

#include "platform/render_device.h"

namespace platform {

// What the vertex program needs of one object, laid out as one entry of the instance buffer:
// for instanced draws these come per instance, for every other draw they are the constant
// values of the same vertex attributes. Both kinds of draw therefore run the same shader
// arithmetic on the same numbers and give the same pixels.
struct ObjectConstants {
  float worldViewProj[16];  // the rows of world * view * projection (GL's columns)
  float normalMatrix[9];    // the columns of the inverse of (world * view)'s upper 3 x 3
  float colorScale[4];      // the material's colours are scaled by this,
  float colorOffset[4];     // and emissive is shifted by this
};

// The constants of an object drawn with this world matrix; lit tells whether the normal
// matrix is needed (it is the costly part).
ObjectConstants MakeObjectConstants(const Matrix& world, const Matrix& view,
                                    const Matrix& projection, bool lit,
                                    const ColorValue& colorScale, const ColorValue& colorOffset);

// What a draw feeds the pipeline with, beside the render state.
struct DrawInputs {
  bool pretransformed = false;  // screen vertices: no transform, no lighting
  bool hasVertexColor = false;  // otherwise the colour comes from the material (lit) or is white
  bool lightable = true;        // false for world vertices, which are never lit
  bool textureBound = false;
  float targetWidth = 1, targetHeight = 1;  // the back buffer, for pretransformed positions
};

// The shader program that stands in for Direct3D 9's fixed-function vertex and pixel pipeline:
// world/view/projection transforms with clip depth 0..1, one directional light with material
// colours and global ambient, texture stage 0 (modulate or select) and the alpha test.
// Uniforms are only sent when their value changes.
class FixedFunctionProgram {
 public:
  bool Build();  // false when the shaders do not compile or link
  void Release();
  void Use(const RenderState& state, const DrawInputs& inputs);
  // Sets the constant object attributes of the draws that are not instanced.
  void SetObjectConstants(const ObjectConstants& constants);
  // After an instanced draw: the GL leaves the constant values of attributes that were read
  // from arrays undefined, so the next draw sets them again.
  void ForgetObjectConstants() { constantsKnown_ = false; }
  // world * view, which only the specular highlight reads (see NeedsWorldView).
  void SetWorldView(const Matrix& worldView);
  // Points the bound vertex array's object attributes at a buffer of ObjectConstants, one
  // entry per instance.
  static void SetInstanceAttributes(GLuint instanceBuffer);
  // Whether the lighting needs what only a draw of its own gives (the camera-space position,
  // for specular highlights): such objects are not drawn instanced.
  static bool NeedsWorldView(const RenderState& state);

  // Attribute locations of the vertex layouts.
  static constexpr GLuint kPosition = 0, kNormal = 1, kColor = 2, kTexCoord = 3;
  static constexpr GLuint kWorldViewProj = 4;  // four rows, 4 to 7
  static constexpr GLuint kNormalMatrix = 8;   // three columns, 8 to 10
  static constexpr GLuint kColorScale = 11, kColorOffset = 12;

 private:
  enum Uniform {
    kPretransformed, kTargetSize, kLighting, kHasVertexColor, kNormalizeNormals, kMatDiffuse,
    kMatAmbient, kMatSpecular, kMatEmissive, kMatPower, kGlobalAmbient, kLightEnabled,
    kLightToward, kLightDiffuse, kLightAmbient, kLightSpecular, kSpecularEnabled, kTexture,
    kTextureBound, kColorOp, kAlphaOp, kAlphaTest, kAlphaFunc, kAlphaRef, kUniformCount
  };
  void SetInt(Uniform u, int value);
  void SetFloats(Uniform u, const float* values, int count);
  void SetColor(Uniform u, const ColorValue& c);

  GLuint program_ = 0;
  GLint loc_[kUniformCount] = {};
  GLint worldViewLoc_ = -1;
  // The values last sent; a uniform not sent yet is not known.
  bool known_[kUniformCount] = {};
  float values_[kUniformCount][4] = {};
  bool constantsKnown_ = false;
  ObjectConstants constants_{};
};

}  // namespace platform
