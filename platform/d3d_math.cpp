#include "platform/d3d_math.h"

#include <cmath>

namespace platform {

Matrix operator*(const Matrix& a, const Matrix& b) {
  Matrix r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) sum += a.m[i][k] * b.m[k][j];
      r.m[i][j] = sum;
    }
  return r;
}

Vector4 Transform(const Vector4& v, const Matrix& m) {
  return {v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0] + v.w * m.m[3][0],
          v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1] + v.w * m.m[3][1],
          v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2] + v.w * m.m[3][2],
          v.x * m.m[0][3] + v.y * m.m[1][3] + v.z * m.m[2][3] + v.w * m.m[3][3]};
}

Vector3 TransformCoord(const Vector3& v, const Matrix& m) {
  Vector4 r = Transform({v.x, v.y, v.z, 1}, m);
  float w = r.w != 0 ? r.w : 1;
  return {r.x / w, r.y / w, r.z / w};
}

Vector3 TransformNormal(const Vector3& v, const Matrix& m) {
  Vector4 r = Transform({v.x, v.y, v.z, 0}, m);
  return {r.x, r.y, r.z};
}

float Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 Normalize(const Vector3& v) {
  float length = std::sqrt(Dot(v, v));
  if (length == 0) return {0, 0, 0};
  return {v.x / length, v.y / length, v.z / length};
}

Matrix MatrixIdentity() { return Matrix{}; }

Matrix MatrixTranslation(float x, float y, float z) {
  Matrix r;
  r.m[3][0] = x;
  r.m[3][1] = y;
  r.m[3][2] = z;
  return r;
}

Matrix MatrixScaling(float sx, float sy, float sz) {
  Matrix r;
  r.m[0][0] = sx;
  r.m[1][1] = sy;
  r.m[2][2] = sz;
  return r;
}

Matrix MatrixRotationX(float a) {
  Matrix r;
  float c = std::cos(a), s = std::sin(a);
  r.m[1][1] = c;
  r.m[1][2] = s;
  r.m[2][1] = -s;
  r.m[2][2] = c;
  return r;
}

Matrix MatrixRotationY(float a) {
  Matrix r;
  float c = std::cos(a), s = std::sin(a);
  r.m[0][0] = c;
  r.m[0][2] = -s;
  r.m[2][0] = s;
  r.m[2][2] = c;
  return r;
}

Matrix MatrixRotationZ(float a) {
  Matrix r;
  float c = std::cos(a), s = std::sin(a);
  r.m[0][0] = c;
  r.m[0][1] = s;
  r.m[1][0] = -s;
  r.m[1][1] = c;
  return r;
}

Matrix MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up) {
  Vector3 z = Normalize({at.x - eye.x, at.y - eye.y, at.z - eye.z});
  Vector3 x = Normalize(Cross(up, z));
  Vector3 y = Cross(z, x);
  Matrix r;
  r.m[0][0] = x.x; r.m[0][1] = y.x; r.m[0][2] = z.x; r.m[0][3] = 0;
  r.m[1][0] = x.y; r.m[1][1] = y.y; r.m[1][2] = z.y; r.m[1][3] = 0;
  r.m[2][0] = x.z; r.m[2][1] = y.z; r.m[2][2] = z.z; r.m[2][3] = 0;
  r.m[3][0] = -Dot(x, eye);
  r.m[3][1] = -Dot(y, eye);
  r.m[3][2] = -Dot(z, eye);
  r.m[3][3] = 1;
  return r;
}

Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar) {
  float yScale = 1.0f / std::tan(fovY / 2);
  float xScale = yScale / aspect;
  Matrix r;
  r.m[0][0] = xScale;
  r.m[1][1] = yScale;
  r.m[2][2] = zFar / (zFar - zNear);
  r.m[2][3] = 1;
  r.m[3][2] = -zNear * zFar / (zFar - zNear);
  r.m[3][3] = 0;
  return r;
}

Matrix MatrixOrthoLH(float width, float height, float zNear, float zFar) {
  Matrix r;
  r.m[0][0] = 2 / width;
  r.m[1][1] = 2 / height;
  r.m[2][2] = 1 / (zFar - zNear);
  r.m[3][2] = zNear / (zNear - zFar);
  return r;
}

Matrix MatrixTranspose(const Matrix& m) {
  Matrix r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) r.m[i][j] = m.m[j][i];
  return r;
}

Matrix MatrixInverse(const Matrix& m) {
  // Gauss-Jordan elimination with partial pivoting on [m | I].
  double a[4][8];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      a[i][j] = m.m[i][j];
      a[i][j + 4] = i == j ? 1 : 0;
    }
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int row = col + 1; row < 4; ++row)
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
    if (std::fabs(a[pivot][col]) < 1e-12) return Matrix{};
    if (pivot != col)
      for (int j = 0; j < 8; ++j) std::swap(a[pivot][j], a[col][j]);
    double scale = a[col][col];
    for (int j = 0; j < 8; ++j) a[col][j] /= scale;
    for (int row = 0; row < 4; ++row) {
      if (row == col) continue;
      double factor = a[row][col];
      for (int j = 0; j < 8; ++j) a[row][j] -= factor * a[col][j];
    }
  }
  Matrix r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) r.m[i][j] = static_cast<float>(a[i][j + 4]);
  return r;
}

}  // namespace platform
