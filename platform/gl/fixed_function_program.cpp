#include "platform/gl/fixed_function_program.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace platform {
namespace {

// Lighting follows Direct3D 9's fixed-function formulas, per vertex, in camera space:
//   colour = emissive + ambient_m * (global ambient + light ambient)
//          + diffuse_m * light diffuse * max(N.L, 0)           (clamped to 0..1)
//   alpha  = the material's diffuse alpha
// with N the normal transformed by the inverse transpose of world * view, renormalised only
// when normalizeNormals is set (a scaled mesh is lit darker or brighter otherwise, as there).
// Specular, when enabled, uses the half vector towards the camera and is added after texturing.
const char* kVertexShader = R"(layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aColor;  // the bytes of 0xAARRGGBB in memory: B, G, R, A
layout(location = 3) in vec2 aTexCoord;
// The object: per instance for instanced draws, constant for the others (ObjectConstants).
layout(location = 4) in vec4 aWorldViewProj0;
layout(location = 5) in vec4 aWorldViewProj1;
layout(location = 6) in vec4 aWorldViewProj2;
layout(location = 7) in vec4 aWorldViewProj3;
layout(location = 8) in vec3 aNormalMatrix0;
layout(location = 9) in vec3 aNormalMatrix1;
layout(location = 10) in vec3 aNormalMatrix2;
layout(location = 11) in vec4 aColorScale;
layout(location = 12) in vec4 aColorOffset;

uniform bool uPretransformed;
uniform vec2 uTargetSize;
uniform mat4 uWorldView;
uniform bool uLighting;
uniform bool uHasVertexColor;
uniform bool uNormalizeNormals;
uniform vec4 uMatDiffuse, uMatAmbient, uMatSpecular, uMatEmissive;
uniform float uMatPower;
uniform vec4 uGlobalAmbient;
uniform bool uLightEnabled;
uniform vec3 uLightToward;  // unit vector towards the light, camera space
uniform vec4 uLightDiffuse, uLightAmbient, uLightSpecular;
uniform bool uSpecularEnabled;

out vec4 vDiffuse;
out vec3 vSpecular;
out vec2 vTexCoord;

void main() {
  vTexCoord = aTexCoord;
  vSpecular = vec3(0.0);
  if (uPretransformed) {
    float w = aPosition.w != 0.0 ? 1.0 / aPosition.w : 1.0;
    vec2 ndc = vec2(aPosition.x / uTargetSize.x * 2.0 - 1.0, 1.0 - aPosition.y / uTargetSize.y * 2.0);
    gl_Position = vec4(ndc * w, (aPosition.z * 2.0 - 1.0) * w, w);
    vDiffuse = uHasVertexColor ? aColor.bgra : vec4(1.0);
    return;
  }
  vec4 position = vec4(aPosition.xyz, 1.0);
  mat4 worldViewProj = mat4(aWorldViewProj0, aWorldViewProj1, aWorldViewProj2, aWorldViewProj3);
  vec4 clip = worldViewProj * position;
  gl_Position = vec4(clip.x, clip.y, clip.z * 2.0 - clip.w, clip.w);  // depth 0..w to -w..w
  if (!uLighting) {
    vDiffuse = uHasVertexColor ? aColor.bgra : vec4(1.0);
    return;
  }
  vec4 matDiffuse = uMatDiffuse * aColorScale;
  vec4 matAmbient = uMatAmbient * aColorScale;
  vec4 matSpecular = uMatSpecular * aColorScale;
  vec4 matEmissive = uMatEmissive * aColorScale + aColorOffset;
  vec3 n = mat3(aNormalMatrix0, aNormalMatrix1, aNormalMatrix2) * aNormal;
  if (uNormalizeNormals && dot(n, n) > 0.0) n = normalize(n);
  vec3 ambient = uGlobalAmbient.rgb;
  vec3 diffuse = vec3(0.0);
  if (uLightEnabled) {
    ambient += uLightAmbient.rgb;
    float nDotL = max(dot(n, uLightToward), 0.0);
    diffuse = matDiffuse.rgb * uLightDiffuse.rgb * nDotL;
    if (uSpecularEnabled && nDotL > 0.0) {
      vec3 toEye = -normalize((uWorldView * position).xyz);
      vec3 h = normalize(toEye + uLightToward);
      float s = max(dot(normalize(n), h), 0.0);
      vSpecular = matSpecular.rgb * uLightSpecular.rgb * (uMatPower > 0.0 ? pow(s, uMatPower) : 1.0);
    }
  }
  vec3 rgb = matEmissive.rgb + matAmbient.rgb * ambient + diffuse;
  vDiffuse = vec4(clamp(rgb, 0.0, 1.0), clamp(matDiffuse.a, 0.0, 1.0));
  vSpecular = clamp(vSpecular, 0.0, 1.0);
}
)";

const char* kFragmentShader = R"(in vec4 vDiffuse;
in vec3 vSpecular;
in vec2 vTexCoord;

uniform sampler2D uTexture;
uniform bool uTextureBound;
uniform int uColorOp;  // 0 modulate, 1 select texture, 2 select diffuse
uniform int uAlphaOp;
uniform bool uAlphaTest;
uniform int uAlphaFunc;  // CompareFunc
uniform int uAlphaRef;
uniform bool uSpecularEnabled;

out vec4 fragColor;

float Pick(int op, float texel, float diffuse) {
  return op == 0 ? texel * diffuse : (op == 1 ? texel : diffuse);
}

bool Passes(int func, int value, int ref) {
  if (func == 0) return false;
  if (func == 1) return value < ref;
  if (func == 2) return value == ref;
  if (func == 3) return value <= ref;
  if (func == 4) return value > ref;
  if (func == 5) return value != ref;
  if (func == 6) return value >= ref;
  return true;
}

void main() {
  // Texels are stored as the pictures' 0xAARRGGBB bytes (B, G, R, A), read as RGBA.
  vec4 texel = uTextureBound ? texture(uTexture, vTexCoord).bgra : vec4(1.0);
  vec3 rgb = vec3(Pick(uColorOp, texel.r, vDiffuse.r), Pick(uColorOp, texel.g, vDiffuse.g),
                  Pick(uColorOp, texel.b, vDiffuse.b));
  float a = Pick(uAlphaOp, texel.a, vDiffuse.a);
  if (uSpecularEnabled) rgb = min(rgb + vSpecular, vec3(1.0));
  if (uAlphaTest && !Passes(uAlphaFunc, int(a * 255.0 + 0.5), uAlphaRef)) discard;
  fragColor = vec4(rgb, a);
}
)";

GLuint Compile(GLenum type, const char* source) {
  GLuint shader = glCreateShader(type);
  const char* sources[2] = {kShaderPrologue, source};
  glShaderSource(shader, 2, sources, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[2048];
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    std::fprintf(stderr, "fixed-function shader: %s\n", log);
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

int Index(TextureOp op) {
  switch (op) {
    case TextureOp::Modulate: return 0;
    case TextureOp::SelectTexture: return 1;
    case TextureOp::SelectDiffuse: return 2;
  }
  return 0;
}

// The inverse of a 3 x 3 matrix by its cofactors; the identity when it is singular.
void Inverse3(const float a[3][3], float out[3][3]) {
  float c00 = a[1][1] * a[2][2] - a[1][2] * a[2][1];
  float c01 = a[1][2] * a[2][0] - a[1][0] * a[2][2];
  float c02 = a[1][0] * a[2][1] - a[1][1] * a[2][0];
  float det = a[0][0] * c00 + a[0][1] * c01 + a[0][2] * c02;
  if (det == 0) {
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) out[r][c] = r == c ? 1.0f : 0.0f;
    return;
  }
  float k = 1 / det;
  out[0][0] = c00 * k;
  out[0][1] = (a[0][2] * a[2][1] - a[0][1] * a[2][2]) * k;
  out[0][2] = (a[0][1] * a[1][2] - a[0][2] * a[1][1]) * k;
  out[1][0] = c01 * k;
  out[1][1] = (a[0][0] * a[2][2] - a[0][2] * a[2][0]) * k;
  out[1][2] = (a[0][2] * a[1][0] - a[0][0] * a[1][2]) * k;
  out[2][0] = c02 * k;
  out[2][1] = (a[0][1] * a[2][0] - a[0][0] * a[2][1]) * k;
  out[2][2] = (a[0][0] * a[1][1] - a[0][1] * a[1][0]) * k;
}

}  // namespace

ObjectConstants MakeObjectConstants(const Matrix& world, const Matrix& view,
                                    const Matrix& projection, bool lit,
                                    const ColorValue& colorScale, const ColorValue& colorOffset) {
  ObjectConstants c;
  Matrix worldView = world * view;
  Matrix worldViewProj = worldView * projection;
  std::memcpy(c.worldViewProj, &worldViewProj.m[0][0], sizeof c.worldViewProj);
  if (lit) {
    // Normals go through the inverse transpose of worldView's upper 3 x 3; as the shader's
    // matrix takes columns, its columns are the inverse's columns: n * (A^-1)^T.
    float a[3][3], inverse[3][3];
    for (int r = 0; r < 3; ++r)
      for (int col = 0; col < 3; ++col) a[r][col] = worldView.m[r][col];
    Inverse3(a, inverse);
    for (int col = 0; col < 3; ++col)
      for (int r = 0; r < 3; ++r) c.normalMatrix[col * 3 + r] = inverse[r][col];
  } else {
    for (int i = 0; i < 9; ++i) c.normalMatrix[i] = i % 4 == 0 ? 1.0f : 0.0f;
  }
  c.colorScale[0] = colorScale.r, c.colorScale[1] = colorScale.g;
  c.colorScale[2] = colorScale.b, c.colorScale[3] = colorScale.a;
  c.colorOffset[0] = colorOffset.r, c.colorOffset[1] = colorOffset.g;
  c.colorOffset[2] = colorOffset.b, c.colorOffset[3] = colorOffset.a;
  return c;
}

bool FixedFunctionProgram::Build() {
  GLuint vs = Compile(GL_VERTEX_SHADER, kVertexShader);
  GLuint fs = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
  if (!vs || !fs) {
    if (vs) glDeleteShader(vs);
    if (fs) glDeleteShader(fs);
    return false;
  }
  program_ = glCreateProgram();
  glAttachShader(program_, vs);
  glAttachShader(program_, fs);
  glLinkProgram(program_);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint ok = 0;
  glGetProgramiv(program_, GL_LINK_STATUS, &ok);
  if (!ok) {
    Release();
    return false;
  }
  static const char* const kNames[kUniformCount] = {
      "uPretransformed", "uTargetSize", "uLighting", "uHasVertexColor", "uNormalizeNormals",
      "uMatDiffuse", "uMatAmbient", "uMatSpecular", "uMatEmissive", "uMatPower",
      "uGlobalAmbient", "uLightEnabled", "uLightToward", "uLightDiffuse", "uLightAmbient",
      "uLightSpecular", "uSpecularEnabled", "uTexture", "uTextureBound", "uColorOp",
      "uAlphaOp", "uAlphaTest", "uAlphaFunc", "uAlphaRef"};
  for (int u = 0; u < kUniformCount; ++u) {
    loc_[u] = glGetUniformLocation(program_, kNames[u]);
    known_[u] = false;
  }
  worldViewLoc_ = glGetUniformLocation(program_, "uWorldView");
  constantsKnown_ = false;
  glUseProgram(program_);
  SetInt(kTexture, 0);
  return true;
}

void FixedFunctionProgram::Release() {
  if (program_) glDeleteProgram(program_);
  program_ = 0;
}

void FixedFunctionProgram::SetInt(Uniform u, int value) {
  if (known_[u] && values_[u][0] == float(value)) return;
  glUniform1i(loc_[u], value);
  known_[u] = true;
  values_[u][0] = float(value);
}

void FixedFunctionProgram::SetFloats(Uniform u, const float* values, int count) {
  if (known_[u] && std::memcmp(values_[u], values, sizeof(float) * size_t(count)) == 0) return;
  switch (count) {
    case 1: glUniform1f(loc_[u], values[0]); break;
    case 2: glUniform2f(loc_[u], values[0], values[1]); break;
    case 3: glUniform3f(loc_[u], values[0], values[1], values[2]); break;
    default: glUniform4f(loc_[u], values[0], values[1], values[2], values[3]); break;
  }
  known_[u] = true;
  std::memcpy(values_[u], values, sizeof(float) * size_t(count));
}

void FixedFunctionProgram::SetColor(Uniform u, const ColorValue& c) {
  const float values[4] = {c.r, c.g, c.b, c.a};
  SetFloats(u, values, 4);
}

void FixedFunctionProgram::SetObjectConstants(const ObjectConstants& c) {
  if (constantsKnown_ && std::memcmp(&constants_, &c, sizeof c) == 0) return;
  for (GLuint row = 0; row < 4; ++row) glVertexAttrib4fv(kWorldViewProj + row, c.worldViewProj + 4 * row);
  for (GLuint col = 0; col < 3; ++col) glVertexAttrib3fv(kNormalMatrix + col, c.normalMatrix + 3 * col);
  glVertexAttrib4fv(kColorScale, c.colorScale);
  glVertexAttrib4fv(kColorOffset, c.colorOffset);
  constants_ = c;
  constantsKnown_ = true;
}

void FixedFunctionProgram::SetWorldView(const Matrix& worldView) {
  glUniformMatrix4fv(worldViewLoc_, 1, GL_FALSE, &worldView.m[0][0]);
}

void FixedFunctionProgram::SetInstanceAttributes(GLuint instanceBuffer) {
  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
  const GLsizei stride = sizeof(ObjectConstants);
  auto attribute = [](GLuint location, GLint size, size_t offset) {
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offset));
    glVertexAttribDivisor(location, 1);
  };
  for (GLuint row = 0; row < 4; ++row)
    attribute(kWorldViewProj + row, 4, offsetof(ObjectConstants, worldViewProj) + 16 * row);
  for (GLuint col = 0; col < 3; ++col)
    attribute(kNormalMatrix + col, 3, offsetof(ObjectConstants, normalMatrix) + 12 * col);
  attribute(kColorScale, 4, offsetof(ObjectConstants, colorScale));
  attribute(kColorOffset, 4, offsetof(ObjectConstants, colorOffset));
}

bool FixedFunctionProgram::NeedsWorldView(const RenderState& s) {
  return s.lighting && s.specularEnabled && s.lightEnabled;
}

void FixedFunctionProgram::Use(const RenderState& s, const DrawInputs& in) {
  glUseProgram(program_);
  SetInt(kPretransformed, in.pretransformed);
  const float target[2] = {in.targetWidth, in.targetHeight};
  SetFloats(kTargetSize, target, 2);
  SetInt(kHasVertexColor, in.hasVertexColor);
  SetInt(kTextureBound, in.textureBound);
  SetInt(kColorOp, Index(s.colorOp));
  SetInt(kAlphaOp, Index(s.alphaOp));
  SetInt(kAlphaTest, s.alphaTestEnabled);
  SetInt(kAlphaFunc, static_cast<int>(s.alphaFunc));
  SetInt(kAlphaRef, s.alphaRef);
  bool lit = !in.pretransformed && in.lightable && s.lighting;
  SetInt(kSpecularEnabled, lit && s.specularEnabled && s.lightEnabled);
  if (in.pretransformed) return;
  SetInt(kLighting, lit);
  if (!lit) return;
  SetInt(kNormalizeNormals, s.normalizeNormals);
  SetColor(kMatDiffuse, s.material.diffuse);
  SetColor(kMatAmbient, s.material.ambient);
  SetColor(kMatSpecular, s.material.specular);
  SetColor(kMatEmissive, s.material.emissive);
  SetFloats(kMatPower, &s.material.power, 1);
  SetColor(kGlobalAmbient, ColorFromArgb(s.ambient));
  bool directional = s.lightEnabled && s.light.type == LightType::Directional;
  SetInt(kLightEnabled, directional);
  if (directional) {
    Vector3 toward = Normalize(TransformNormal(
        {-s.light.direction.x, -s.light.direction.y, -s.light.direction.z}, s.view));
    const float towardValues[3] = {toward.x, toward.y, toward.z};
    SetFloats(kLightToward, towardValues, 3);
    SetColor(kLightDiffuse, s.light.diffuse);
    SetColor(kLightAmbient, s.light.ambient);
    SetColor(kLightSpecular, s.light.specular);
  }
}

}  // namespace platform
