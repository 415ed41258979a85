// The start-up geometry step: face normals, the 60 arrangements and every tile corner.
#include <benchmark/benchmark.h>

#include "geometry/tiles.h"
#include "platform/win32.h"

// The walk never overflows with the program's generators; the box is only
// here so the geometry library links on its own.
int MessageBoxA(HWND, LPCSTR, LPCSTR, UINT) {
    return IDOK;
}

// The benchmark library fixes the signature: the state is advanced by the loop.
// cppcheck-suppress constParameterCallback
static void BM_BuildGeometry(benchmark::State& state) {
    InitModelConstants();
    for ([[maybe_unused]] auto _ : state) {
        BuildGeometry();
        benchmark::DoNotOptimize(TileVertices);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildGeometry);
