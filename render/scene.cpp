// The whole picture is one display list, compiled only when the selection
// changes, so a repaint costs a single glCallList.
#include "render/scene.h"

#include <GL/gl.h>

#include "geometry/selection.h"

namespace {

void EmitIcosahedronFaces() {
    glBegin(GL_TRIANGLES);
    for (int face = 0; face < FaceCount; ++face) {
        glColor3fv(FaceColors[face]);
        for (int corner = 0; corner < 3; ++corner) {
            glVertex3dv(IcosaVertices[FaceTable[face].vertex[corner]]);
        }
    }
    glEnd();
}

// One block per tile: its 60 rotated copies, each in the colour of the face
// plane it lies in (entry 0 of its arrangement).
void EmitTile(int tile) {
    const bool quadrilateral = TileTable[tile - 1].side[3] != 0;
    const int corners = quadrilateral ? 4 : 3;
    glBegin(quadrilateral ? GL_QUADS : GL_TRIANGLES);
    for (int j = 0; j < ArrangementCount; ++j) {
        glColor3fv(FaceColors[ArrangementTable[j].entry[0].id]);
        for (int corner = 0; corner < corners; ++corner) {
            glVertex3fv(TileVertices[j][tile][corner]);
        }
    }
    glEnd();
}

}  // namespace

void BuildSceneList() {
    glNewList(SceneList, GL_COMPILE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    if (TileFlags[0] != 0) {
        EmitIcosahedronFaces();
    }
    for (int tile = 1; tile < TileCount; ++tile) {
        if (TileFlags[tile] != 0) {
            EmitTile(tile);
        }
    }
    glEndList();
}
