// The frames the tool draws: the title screen without and with a best result,
// and one game of a fixed seed after some hundred ticks, seen at rest, fully
// zoomed out, and with road blocks on straight roads and the cursor over one.
#pragma once

#include <memory>
#include <string>
#include <vector>

class CFrameHost;
class CRenderDevice;

class CFrameScene {
 public:
  virtual ~CFrameScene() = default;
  // Draws the frame; call between BeginFrame and EndFrame, as often as wanted.
  virtual void Render(CRenderDevice* device) = 0;
};

// The names of the frames, which are also their file names without ".bmp".
const std::vector<std::string>& SceneNames();

// The named scene with everything before its frame played through; null for a
// name that SceneNames does not hold.
std::unique_ptr<CFrameScene> MakeScene(const std::string& name, CFrameHost& host);
