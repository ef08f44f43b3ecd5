#include "platform/gl/fixed_function_program.h"

#include <cstdio>
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
const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aColor;
layout(location = 3) in vec2 aTexCoord;

uniform bool uPretransformed;
uniform vec2 uTargetSize;
uniform mat4 uWorldViewProj;
uniform mat4 uWorldView;
uniform mat3 uNormalMatrix;
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
    vDiffuse = uHasVertexColor ? aColor : vec4(1.0);
    return;
  }
  vec4 position = vec4(aPosition.xyz, 1.0);
  vec4 clip = uWorldViewProj * position;
  gl_Position = vec4(clip.x, clip.y, clip.z * 2.0 - clip.w, clip.w);  // depth 0..w to -w..w
  if (!uLighting) {
    vDiffuse = uHasVertexColor ? aColor : vec4(1.0);
    return;
  }
  vec3 n = uNormalMatrix * aNormal;
  if (uNormalizeNormals && dot(n, n) > 0.0) n = normalize(n);
  vec3 ambient = uGlobalAmbient.rgb;
  vec3 diffuse = vec3(0.0);
  if (uLightEnabled) {
    ambient += uLightAmbient.rgb;
    float nDotL = max(dot(n, uLightToward), 0.0);
    diffuse = uMatDiffuse.rgb * uLightDiffuse.rgb * nDotL;
    if (uSpecularEnabled && nDotL > 0.0) {
      vec3 toEye = -normalize((uWorldView * position).xyz);
      vec3 h = normalize(toEye + uLightToward);
      float s = max(dot(normalize(n), h), 0.0);
      vSpecular = uMatSpecular.rgb * uLightSpecular.rgb * (uMatPower > 0.0 ? pow(s, uMatPower) : 1.0);
    }
  }
  vec3 rgb = uMatEmissive.rgb + uMatAmbient.rgb * ambient + diffuse;
  vDiffuse = vec4(clamp(rgb, 0.0, 1.0), clamp(uMatDiffuse.a, 0.0, 1.0));
  vSpecular = clamp(vSpecular, 0.0, 1.0);
}
)";

const char* kFragmentShader = R"(#version 330 core
in vec4 vDiffuse;
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
  vec4 texel = uTextureBound ? texture(uTexture, vTexCoord) : vec4(1.0);
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
  glShaderSource(shader, 1, &source, nullptr);
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

void SetColor(GLint location, const ColorValue& c) { glUniform4f(location, c.r, c.g, c.b, c.a); }

int Index(TextureOp op) {
  switch (op) {
    case TextureOp::Modulate: return 0;
    case TextureOp::SelectTexture: return 1;
    case TextureOp::SelectDiffuse: return 2;
  }
  return 0;
}

}  // namespace

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
  auto at = [this](const char* name) { return glGetUniformLocation(program_, name); };
  loc_ = {at("uPretransformed"), at("uTargetSize"), at("uWorldViewProj"), at("uWorldView"),
          at("uNormalMatrix"), at("uLighting"), at("uHasVertexColor"), at("uNormalizeNormals"),
          at("uMatDiffuse"), at("uMatAmbient"), at("uMatSpecular"), at("uMatEmissive"),
          at("uMatPower"), at("uGlobalAmbient"), at("uLightEnabled"), at("uLightToward"),
          at("uLightDiffuse"), at("uLightAmbient"), at("uLightSpecular"),
          at("uSpecularEnabled"), at("uTexture"), at("uTextureBound"), at("uColorOp"),
          at("uAlphaOp"), at("uAlphaTest"), at("uAlphaFunc"), at("uAlphaRef")};
  glUseProgram(program_);
  glUniform1i(loc_.texture, 0);
  return true;
}

void FixedFunctionProgram::Release() {
  if (program_) glDeleteProgram(program_);
  program_ = 0;
}

void FixedFunctionProgram::Use(const RenderState& s, const DrawInputs& in) {
  glUseProgram(program_);
  glUniform1i(loc_.pretransformed, in.pretransformed);
  glUniform2f(loc_.targetSize, in.targetWidth, in.targetHeight);
  glUniform1i(loc_.hasVertexColor, in.hasVertexColor);
  glUniform1i(loc_.textureBound, in.textureBound);
  glUniform1i(loc_.colorOp, Index(s.colorOp));
  glUniform1i(loc_.alphaOp, Index(s.alphaOp));
  glUniform1i(loc_.alphaTest, s.alphaTestEnabled);
  glUniform1i(loc_.alphaFunc, static_cast<int>(s.alphaFunc));
  glUniform1i(loc_.alphaRef, s.alphaRef);
  bool lit = !in.pretransformed && s.lighting;
  glUniform1i(loc_.specularEnabled, lit && s.specularEnabled && s.lightEnabled);
  if (in.pretransformed) return;

  Matrix worldView = s.world * s.view;
  Matrix worldViewProj = worldView * s.projection;
  // Our matrices are row-major for row vectors; GL reads them column-major, which is the
  // transpose, so "M * v" in the shader is "v * M" in ours.
  glUniformMatrix4fv(loc_.worldViewProj, 1, GL_FALSE, &worldViewProj.m[0][0]);
  glUniformMatrix4fv(loc_.worldView, 1, GL_FALSE, &worldView.m[0][0]);
  glUniform1i(loc_.lighting, lit);
  if (!lit) return;
  Matrix normal = MatrixTranspose(MatrixInverse(worldView));
  float n3[9] = {normal.m[0][0], normal.m[0][1], normal.m[0][2], normal.m[1][0], normal.m[1][1],
                 normal.m[1][2], normal.m[2][0], normal.m[2][1], normal.m[2][2]};
  // Uploaded the same way as above: "N * n" in the shader is "n * normal" in ours.
  glUniformMatrix3fv(loc_.normalMatrix, 1, GL_FALSE, n3);
  glUniform1i(loc_.normalizeNormals, s.normalizeNormals);
  SetColor(loc_.matDiffuse, s.material.diffuse);
  SetColor(loc_.matAmbient, s.material.ambient);
  SetColor(loc_.matSpecular, s.material.specular);
  SetColor(loc_.matEmissive, s.material.emissive);
  glUniform1f(loc_.matPower, s.material.power);
  SetColor(loc_.globalAmbient, ColorFromArgb(s.ambient));
  bool directional = s.lightEnabled && s.light.type == LightType::Directional;
  glUniform1i(loc_.lightEnabled, directional);
  if (directional) {
    Vector3 toward = Normalize(TransformNormal(
        {-s.light.direction.x, -s.light.direction.y, -s.light.direction.z}, s.view));
    glUniform3f(loc_.lightToward, toward.x, toward.y, toward.z);
    SetColor(loc_.lightDiffuse, s.light.diffuse);
    SetColor(loc_.lightAmbient, s.light.ambient);
    SetColor(loc_.lightSpecular, s.light.specular);
  }
}

}  // namespace platform
