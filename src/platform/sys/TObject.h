#pragma once
// Run-time classes: every persistent or model object derives from TObject and has a
// TClass that knows its exact name (as stored in files), its parent class, and how to
// make a blank instance for a stream reader to fill in.
#include <QString>
#include <QList>

class TObject;

// Tag for the constructor that object readers use: it builds the object's storage only,
// without the set-up that the class's ordinary constructors do.
struct TBlank {};

class TClass {
public:
  using BlankFactory = TObject* (*)();
  TClass(const char* name, const TClass* parent, BlankFactory blank);
  TClass(const TClass&) = delete;
  TClass& operator=(const TClass&) = delete;

  const QString& ClassName() const { return name_; }
  const TClass* ClassParent() const { return parent_; }
  // True for this class and every class derived from it.
  bool InheritsFrom(const TClass& other) const;
  // A new blank instance, or nullptr for an abstract class.
  TObject* NewBlank() const { return blank_ ? blank_() : nullptr; }
  bool IsAbstract() const { return blank_ == nullptr; }

  // Every class whose TClass has been built, in the order they were first asked for.
  static QList<const TClass*> AllClasses();

private:
  QString name_;
  const TClass* parent_;
  BlankFactory blank_;
};

class TObject {
public:
  TObject() = default;
  explicit TObject(TBlank) {}
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
  virtual ~TObject() = default;

  static const TClass& StaticClass();
  virtual const TClass& ClassType() const { return StaticClass(); }
  QString ClassName() const { return ClassType().ClassName(); }
  bool InheritsFrom(const TClass& other) const { return ClassType().InheritsFrom(other); }
  template <class T> bool Is() const { return InheritsFrom(T::StaticClass()); }
};

// In a class body: the run-time class of Name.
#define TB_OBJECT(Name)                                                          \
public:                                                                          \
  static const TClass& StaticClass();                                            \
  const TClass& ClassType() const override { return StaticClass(); }            \
                                                                                 \
private:

// In the class's .cpp: the run-time class of a class with a Name(TBlank) constructor.
#define TB_DEFINE_CLASS(Name, Parent)                                            \
  const TClass& Name::StaticClass() {                                            \
    static const TClass cls(#Name, &Parent::StaticClass(),                       \
                            []() -> TObject* { return new Name(TBlank{}); });    \
    return cls;                                                                  \
  }

// In the class's .cpp: the run-time class of an abstract class (no blank instances).
#define TB_DEFINE_ABSTRACT_CLASS(Name, Parent)                                   \
  const TClass& Name::StaticClass() {                                            \
    static const TClass cls(#Name, &Parent::StaticClass(), nullptr);             \
    return cls;                                                                  \
  }

template <class T> T* dynamic_object_cast(TObject* obj) { return dynamic_cast<T*>(obj); }
