// The scene display list: every selected tile in all 60 arrangements.
#pragma once

inline constexpr unsigned SceneList = 1;

// Compiles SceneList from TileFlags; needs a current GL context and the
// geometry built.
void BuildSceneList();
