#pragma once
// What the raster's vector kernels share: the intrinsics where the compiler
// offers them (GXA_X86_VECTORS); each kernel checks at run time which ones
// the processor has.
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define GXA_X86_VECTORS 1
#endif

#if defined(__GNUC__) && !defined(__clang__)
// The vector helpers are always inlined, so their calling convention never
// shows; GCC 12's 512-bit intrinsics start from an undefined vector it then warns of.
#pragma GCC diagnostic ignored "-Wpsabi"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
