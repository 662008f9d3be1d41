#pragma once
// Which vector kernels the raster may run: the widest the processor has,
// found once, unless a test holds it to narrower ones so that every path
// can be checked against the others on one machine.
namespace host {

enum class Vectors {
  None,        // plain loops
  Avx2,        // 256-bit
  Avx512,      // 512-bit with byte and word operations
  Avx512Vbmi,  // and byte permutes and dot products
};

class VectorUnits {
 public:
  static Vectors Best();
  // Kernels planned after this use at most the given units.
  static void Limit(Vectors most);
};

}  // namespace host
