#include "app/obj_writer.h"
#include "app/ply_writer.h"
#include "app/string_export.h"
#include "core/mesh/scene_mesher.h"
#include "core/turtle/interpret_string.h"
#include "platform/byte_file.h"

namespace sprig {

namespace {

// One streamed 3D pass of the string, meshed into the writer; a write that
// fails ends it. The string is deleted at its end only when it is temporary
// and this is the last pass.
Result meshPass(const StringExport& request, MeshFile& writer, bool lastPass)
{
    SceneMesher mesher(request.settings.effective, writer);
    MeshFileJob job(request.job, writer);
    InterpretRequest drawing(request.settings, job, request.stringFile);
    drawing.isTemporary = request.isTemporary && lastPass;
    drawing.symbolCount = request.symbolCount;
    drawing.penColour = request.penColour;
    drawing.sceneSink = &mesher;
    InterpretResult drawn = interpretString(drawing);
    Result result =
        writer.failed() ? Result{kGraphicsError, writer.failure()} : Result{drawn.code, std::move(drawn.failure)};
    if (result.failed() && request.isTemporary) removeFile(request.stringFile);
    return result;
}

Result writeObj(const StringExport& request)
{
    ObjWriter obj(request.path);
    if (!obj.isOpen()) return {kGraphicsError, obj.failure()};
    if (Result result = meshPass(request, obj, true); result.failed()) return result;
    return obj.finish();
}

Result writePly(const StringExport& request)
{
    PlyWriter ply(request.path);
    if (!ply.isOpen()) return {kGraphicsError, ply.failure()};
    if (Result result = meshPass(request, ply, false); result.failed()) return result;
    ply.startFaces();
    if (Result result = meshPass(request, ply, true); result.failed()) return result;
    return ply.finish();
}

}  // namespace

// The scene meshed as the 3D view draws it, straight from the string, with
// no cap on its elements.
Result writeSceneExport(PictureFormat format, const StringExport& request)
{
    const bool obj = format == PictureFormat::Obj;
    Result result = obj ? writeObj(request) : writePly(request);
    if (result == kGraphicsError && request.isTemporary) removeFile(request.stringFile);
    return result;
}

}  // namespace sprig
