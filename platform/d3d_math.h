#pragma once

namespace platform {

// Vectors and matrices in Direct3D's convention: row vectors multiplied on the left
// (v' = v * M), left-handed coordinates, translation in the fourth row. The functions build
// their matrices with the formulas of the D3DX utility library, so a game written against it
// gets the same numbers.

struct Vector3 {
  float x = 0, y = 0, z = 0;
};

struct Vector4 {
  float x = 0, y = 0, z = 0, w = 0;
};

struct Matrix {
  float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};

constexpr float kTwoPi = 6.2831855f;

Matrix operator*(const Matrix& a, const Matrix& b);
Vector4 Transform(const Vector4& v, const Matrix& m);
Vector3 TransformCoord(const Vector3& v, const Matrix& m);  // with the divide by w
Vector3 TransformNormal(const Vector3& v, const Matrix& m); // upper 3 x 3 only

Vector3 Normalize(const Vector3& v);  // the zero vector stays zero
float Dot(const Vector3& a, const Vector3& b);
Vector3 Cross(const Vector3& a, const Vector3& b);

Matrix MatrixIdentity();
Matrix MatrixTranslation(float x, float y, float z);
Matrix MatrixScaling(float sx, float sy, float sz);
Matrix MatrixRotationX(float radians);
Matrix MatrixRotationY(float radians);
Matrix MatrixRotationZ(float radians);
Matrix MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up);
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);
Matrix MatrixOrthoLH(float width, float height, float zNear, float zFar);
Matrix MatrixTranspose(const Matrix& m);
// The inverse, or the identity when the matrix is singular.
Matrix MatrixInverse(const Matrix& m);

}  // namespace platform
