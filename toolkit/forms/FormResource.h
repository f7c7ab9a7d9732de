#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TComponent;

// Where a form's stored values come from: by default the program's RCDATA resource named after
// the form's class in capitals ("TFORM1"), written by the toolkit's streaming writer. A loader
// answers a class name with the resource's bytes, or nothing when the class has none.
using TFormResourceLoader = std::function<std::optional<std::vector<uint8_t>>(const std::string& ClassName)>;

// Replaces the loader (an empty one restores the program's resources) and returns the previous.
TFormResourceLoader SetFormResourceLoader(TFormResourceLoader Loader);
std::optional<std::vector<uint8_t>> FindFormResource(const std::string& ClassName);

// Reads the resource of Root's class into Root and the components it owns: csLoading while the
// values are applied, then Loaded on every component, each after those it owns. A class without a
// resource keeps the values its constructor gave; its components still get Loaded.
void InitInheritedComponent(TComponent& Root);

// Makes a form of class T owned by Owner, reads its resource and ends its construction (OnCreate,
// showing it when its resource says Visible). On an error the half-made form is freed.
template <class T>
T* CreateFormFromResource(TComponent* Owner) {
  auto form = std::make_unique<T>(Owner);
  InitInheritedComponent(*form);
  form->DoCreate();
  return form.release();
}
