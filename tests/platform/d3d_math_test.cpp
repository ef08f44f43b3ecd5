#include "platform/d3d_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace platform {
namespace {

void ExpectNear(const Vector3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-5f);
  EXPECT_NEAR(v.y, y, 1e-5f);
  EXPECT_NEAR(v.z, z, 1e-5f);
}

TEST(D3dMath, RotationsTurnLeftHandedly) {
  // A quarter turn about X takes +y to +z; about Y takes +z to +x; about Z takes +x to +y.
  ExpectNear(TransformCoord({0, 1, 0}, MatrixRotationX(kTwoPi / 4)), 0, 0, 1);
  ExpectNear(TransformCoord({0, 0, 1}, MatrixRotationY(kTwoPi / 4)), 1, 0, 0);
  ExpectNear(TransformCoord({1, 0, 0}, MatrixRotationZ(kTwoPi / 4)), 0, 1, 0);
}

TEST(D3dMath, ProductsApplyLeftMatrixFirst) {
  Matrix m = MatrixScaling(2, 2, 2) * MatrixTranslation(1, 0, 0);
  ExpectNear(TransformCoord({1, 0, 0}, m), 3, 0, 0);
}

TEST(D3dMath, LookAtLooksDownItsZAxis) {
  // The shooter's camera: from (0, 100, 0) down to the origin with up (0, 0, 1).
  Matrix view = MatrixLookAtLH({0, 100, 0}, {0, 0, 0}, {0, 0, 1});
  ExpectNear(TransformCoord({0, 0, 0}, view), 0, 0, 100);
  ExpectNear(TransformCoord({10, 0, 0}, view), 10, 0, 100);
  ExpectNear(TransformCoord({0, 0, 10}, view), 0, 10, 100);
}

TEST(D3dMath, ProjectionsMapDepthToZeroOne) {
  Matrix ortho = MatrixOrthoLH(100, 100, 1, 1000);
  ExpectNear(TransformCoord({50, -50, 1}, ortho), 1, -1, 0);
  ExpectNear(TransformCoord({0, 0, 1000}, ortho), 0, 0, 1);
  Matrix perspective = MatrixPerspectiveFovLH(0.7853982f, 4.0f / 3, 10, 600);
  ExpectNear(TransformCoord({0, 0, 10}, perspective), 0, 0, 0);
  ExpectNear(TransformCoord({0, 0, 600}, perspective), 0, 0, 1);
  float halfHeight = 300 * std::tan(0.7853982f / 2);
  ExpectNear(TransformCoord({0, halfHeight, 300}, perspective), 0, 1, TransformCoord({0, 0, 300}, perspective).z);
}

TEST(D3dMath, InverseUndoesTheMatrix) {
  Matrix m = MatrixScaling(2, 3, 4) * MatrixRotationY(0.5f) * MatrixTranslation(5, -6, 7);
  Matrix identity = m * MatrixInverse(m);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(identity.m[i][j], i == j ? 1 : 0, 1e-5f);
  Matrix singular = MatrixScaling(0, 1, 1);
  EXPECT_EQ(MatrixInverse(singular).m[0][0], 1);  // falls back to the identity
}

}  // namespace
}  // namespace platform
