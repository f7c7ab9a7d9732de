#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TObject;
class TComponent;
class TCollection;
class TPropInfo;
template <class C>
class TPublisher;

// What a factory needs to build an instance: components take their owner, collection items their
// collection, other classes nothing.
struct TCreateArgs {
  TComponent* Owner = nullptr;
  TCollection* Collection = nullptr;
};

// The run-time description of one toolkit class: its name, its parent, how to make one, and its
// published properties (the ancestors' first, then its own, in declaration order). A class that
// publishes a property of an ancestor's name again replaces it in place, to change its default.
class TClassInfo {
public:
  using TFactory = std::unique_ptr<TObject> (*)(const TCreateArgs& Args);
  using TDeclare = void (*)(TClassInfo& Target);

  // Declare adds the class's own published properties (see Publisher.h).
  TClassInfo(std::string Name, const TClassInfo* Parent, TFactory Factory, TDeclare Declare);
  ~TClassInfo();
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& ClassName() const { return FName; }
  const TClassInfo* ClassParent() const { return FParent; }
  bool InheritsFrom(const TClassInfo& Class) const;
  bool InheritsFrom(std::string_view ClassName) const;  // by name, ignoring case

  // Abstract classes and classes without a matching constructor have no factory.
  bool CanCreate() const { return FFactory != nullptr; }
  // The new object belongs to the returned pointer; a component or item made with an owner or
  // collection is also listed there, so release() the pointer to leave it to that owner alone.
  std::unique_ptr<TObject> NewInstance(const TCreateArgs& Args = {}) const;

  const std::vector<const TPropInfo*>& Properties() const { return FAllProps; }
  const TPropInfo* FindProperty(std::string_view Name) const;  // ignoring case; null when none

private:
  template <class C>
  friend class TPublisher;
  void AddProperty(std::unique_ptr<TPropInfo> Prop);

  std::string FName;
  const TClassInfo* FParent;
  TFactory FFactory;
  std::vector<std::unique_ptr<TPropInfo>> FOwnProps;
  std::vector<const TPropInfo*> FAllProps;
};

// The process-wide class list, filled as each class's translation unit starts (VEXA_DEFINE_CLASS).
// A class is known by name once its code is linked into the program.
void RegisterClassInfo(const TClassInfo& Class);          // a second class of the same name is an error
const TClassInfo* GetClass(std::string_view ClassName);   // null when unknown
const TClassInfo& FindClass(std::string_view ClassName);  // raises EClassNotFound when unknown

struct TClassRegistrar {
  explicit TClassRegistrar(const TClassInfo& (*GetClassInfoOf)()) { RegisterClassInfo(GetClassInfoOf()); }
};

// First thing in the body of every toolkit class; VEXA_DEFINE_CLASS in its .cpp defines what this
// declares. It leaves the access at private, as a class body starts.
#define VEXA_CLASS(Cls, Parent)                                     \
 public:                                                            \
  using Self = Cls;                                                 \
  using inherited = Parent;                                         \
  static const ::TClassInfo& StaticClassInfo();                     \
  const ::TClassInfo& ClassInfo() const override;                   \
  static void DeclarePublished(::TPublisher<Cls>& published);       \
                                                                    \
 private:
