// Compiling the scene list with every tile, and a 512 x 512 frame with every
// tile against a frame that only clears and swaps on the same context: the
// floor the GL driver sets.
#include <GL/gl.h>
#include <benchmark/benchmark.h>


#include "platform/headless/headless.h"
#include "render/frame.h"
#include "render/scene.h"
#include "tests/render/gl_test_window.h"

namespace {

constexpr const char* AllTiles = "ABCDEFGHIJKLMNOPQRSTUVW";

// One window and context for a whole benchmark; skipped when no GL exists.
class GlBench {
public:
    explicit GlBench(benchmark::State& state) {
        const char* why = "";
        open_ = OpenGlTestWindow(512, 512, gl_, &why);
        if (!open_) {
            state.SkipWithError(why);
            return;
        }
        SelectTiles(AllTiles);
    }
    GlBench(const GlBench&) = delete;
    GlBench& operator=(const GlBench&) = delete;
    ~GlBench() { CloseGlTestWindow(gl_); }
    bool open() const { return open_; }
    HWND window() const { return gl_.window; }

private:
    GlTestWindow gl_;
    bool open_ = false;
};

void BM_BuildSceneList(benchmark::State& state) {
    GlBench bench(state);
    if (!bench.open()) {
        return;
    }
    for ([[maybe_unused]] auto _ : state) {
        BuildSceneList();
        glFinish();
    }
}
BENCHMARK(BM_BuildSceneList)->Unit(benchmark::kMicrosecond);

void BM_RenderFrameAllTiles(benchmark::State& state) {
    GlBench bench(state);
    if (!bench.open()) {
        return;
    }
    const int swaps = HeadlessSwapCount(bench.window());
    for ([[maybe_unused]] auto _ : state) {
        RenderFrame();
    }
    if (HeadlessSwapCount(bench.window()) == swaps) {
        state.SkipWithError("RenderFrame swapped nothing");
    }
}
BENCHMARK(BM_RenderFrameAllTiles)->Unit(benchmark::kMicrosecond);

void BM_ClearAndSwapFloor(benchmark::State& state) {
    GlBench bench(state);
    if (!bench.open()) {
        return;
    }
    for ([[maybe_unused]] auto _ : state) {
        glClearColor(0.25f, 0.25f, 0.25f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SwapBuffers(MainDC);
    }
}
BENCHMARK(BM_ClearAndSwapFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
