#pragma once
// The OpenGL entry points, linked directly from the GL dispatch library. Only the render
// layer's own .cpp files include this; game code never sees GL types.
#define GL_GLEXT_PROTOTYPES 1
#include <GL/glcorearb.h>

#ifndef GL_COMPRESSED_RGBA_S3TC_DXT1_EXT
#define GL_COMPRESSED_RGBA_S3TC_DXT1_EXT 0x83F1
#define GL_COMPRESSED_RGBA_S3TC_DXT3_EXT 0x83F2
#define GL_COMPRESSED_RGBA_S3TC_DXT5_EXT 0x83F3
#endif
