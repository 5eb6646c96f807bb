#include "nativepp/NativeppObjectClass.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <shared_mutex>

#include "nativepp/NativeppConstructor.h"
#include "nativepp/NativeppException.h"
#include "nativepp/NativeppKnownClassCache.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

// Registrations are rare (static initialisers, a library of proxies loaded later) and
// lookups frequent: lookups share the lock, a registration takes it alone. Never freed, as
// descriptors may register or be looked up from other statics at exit.
std::shared_mutex& registryLock() {
    static std::shared_mutex* const lock = new std::shared_mutex();
    return *lock;
}

}  // namespace

// Created on first use, so that descriptors built by static initialisers in any order
// can register; never freed, as descriptors may be destroyed after it at exit.
std::map<std::string, NativeppObjectClass*>* nativeppGetMapClasses() {
    static auto* const classes = new std::map<std::string, NativeppObjectClass*>();
    return classes;
}

std::atomic<jmethodID> NativeppObjectClass::midGetClass{nullptr};
std::atomic<jmethodID> NativeppObjectClass::midGetName{nullptr};

NativeppObjectClass::NativeppObjectClass(const char* className, const char* signature, int numFields,
                                         int numConstructors, int numMethods)
    : NativeppClass(className, signature) {
    init(numFields, numConstructors, numMethods, nullptr);
}

NativeppObjectClass::NativeppObjectClass(const char* className, const char* signature, int numFields,
                                         int numConstructors, int numMethods, const char* arrayElementClassName)
    : NativeppClass(className, signature) {
    init(numFields, numConstructors, numMethods, arrayElementClassName);
}

void NativeppObjectClass::init(int fields, int constructors, int methods, const char* elementClassName) {
    numFields = fields;
    numConstructors = constructors;
    numMethods = methods;
    constructorIDs = nullptr;
    methodIDs = nullptr;
    fieldIDs = nullptr;
    fieldWritability = nullptr;
    arrayElementClass = nullptr;
    if (elementClassName != nullptr) {
        arrayElementClassName = elementClassName;
    }
    registerClass(this);
}

NativeppObjectClass::~NativeppObjectClass() {
    delete[] constructorIDs.load();
    delete[] methodIDs.load();
    delete[] fieldIDs.load();
    delete[] fieldWritability.load();
}

void NativeppObjectClass::registerClass(NativeppObjectClass* cls) {
    {
        std::unique_lock<std::shared_mutex> writing(registryLock());
        // insert keeps an existing entry: the first descriptor of a name stays registered.
        nativeppGetMapClasses()->insert({cls->getClassName(), cls});
    }
    NativeppKnownClassCache::invalidate();
}

NativeppObjectClass* NativeppObjectClass::findClass(const char* name) {
    auto* classes = nativeppGetMapClasses();
    std::shared_lock<std::shared_mutex> reading(registryLock());
    auto found = classes->find(name);
    return found == classes->end() ? nullptr : found->second;
}

NativeppObjectClass* NativeppObjectClass::findClass(JNIEnv* env, NativeppJClassLocal& cls) {
    return findClass(getClassName(cls, env).c_str());
}

NativeppObjectClass* NativeppObjectClass::getClass(const char* name, NativeppObjectClass* defaultClass) {
    NativeppObjectClass* found = findClass(name);
    if (found != nullptr) {
        return found;
    }
    if (defaultClass != nullptr) {
        return defaultClass;
    }
    throw NativeppException(std::string("Class not found: ") + name);
}

NativeppObjectClass* NativeppObjectClass::getClass(NativeppJObjectLocal& obj, NativeppObjectClass* defaultClass,
                                                   JNIEnv* env) {
    return getClass(getClassName(obj, env).c_str(), defaultClass);
}

NativeppObject* NativeppObjectClass::newObjectInstance(NativeppJObjectLocal& obj, NativeppObjectClass* defaultClass,
                                                       JNIEnv* env) {
    if (obj.isNull()) {
        return nullptr;
    }
    return getClass(obj, defaultClass, env)->newObjectInstance(obj);
}

NativeppJClassLocal NativeppObjectClass::getJavaClass(NativeppJObjectLocal& obj, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    jobject cls = env->CallObjectMethod(obj.getJObject(), getMIDGetClass(env));
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return NativeppJClassLocal(static_cast<jclass>(cls), env);
}

std::string NativeppObjectClass::getClassName(NativeppJClassLocal& cls, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    NativeppJObjectLocal name(env->CallObjectMethod(cls.getJObject(), getMIDGetName(env)), env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    // Class names stay in JNI's modified UTF-8, the form FindClass and the registry take.
    jstring text = static_cast<jstring>(name.getJObject());
    std::string className(static_cast<size_t>(env->GetStringUTFLength(text)), '\0');
    env->GetStringUTFRegion(text, 0, env->GetStringLength(text), &className[0]);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    std::replace(className.begin(), className.end(), '.', '/');
    return className;
}

std::string NativeppObjectClass::getClassName(NativeppJObjectLocal& obj, JNIEnv* env) {
    NativeppJClassLocal cls = getJavaClass(obj, env);
    return getClassName(cls, env);
}

jmethodID NativeppObjectClass::lookUpMethod(std::atomic<jmethodID>& cached, const char* className, const char* name,
                                            const char* signature, JNIEnv* env) {
    jmethodID id = cached.load(std::memory_order_acquire);
    if (id != nullptr) {
        return id;
    }
    NativeppJClassLocal cls = NativeppClass::getJavaClass(className, env);
    jmethodID found = env->GetMethodID(cls.getJClass(), name, signature);
    if (found == nullptr) {
        // The NoSuchMethodError must go: no JNI call is allowed while it is pending.
        env->ExceptionClear();
        throw NativeppException(std::string("Method not found, name: ") + name + ", signature:" + signature);
    }
    // Every thread finds the same ID; the first store wins and the others agree.
    cached.compare_exchange_strong(id, found, std::memory_order_acq_rel);
    return cached.load(std::memory_order_acquire);
}

jmethodID NativeppObjectClass::getMIDGetClass(JNIEnv* env) {
    return lookUpMethod(midGetClass, "java/lang/Object", "getClass", "()Ljava/lang/Class;", env);
}

jmethodID NativeppObjectClass::getMIDGetName(JNIEnv* env) {
    return lookUpMethod(midGetName, "java/lang/Class", "getName", "()Ljava/lang/String;", env);
}

NativeppObjectClass* NativeppObjectClass::getFirstKnownClassTree(const char* name, JNIEnv* env) {
    NativeppObjectClass* found = findClass(name);
    if (found != nullptr) {
        return found;
    }
    NativeppJClassLocal cls = NativeppClass::getJavaClass(name, env);
    return getFirstKnownSuperClassTree(cls, env);
}

NativeppObjectClass* NativeppObjectClass::getFirstKnownClassTree(NativeppJObjectLocal& obj, JNIEnv* env) {
    // Never deleted: at unload it would release JNI references when the virtual machine may
    // be gone already.
    static NativeppKnownClassCache* const known = new NativeppKnownClassCache();
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (obj.isNull()) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", "the class of an empty reference", env);
    }
    // GetObjectClass raises nothing for an object.
    NativeppJClassLocal cls(env->GetObjectClass(obj.getJObject()), env);
    const unsigned generation = NativeppKnownClassCache::currentGeneration();
    NativeppObjectClass* found = known->find(cls.getJClass(), generation, env);
    if (found != nullptr) {
        return found;
    }
    found = findClass(env, cls);
    if (found == nullptr) {
        found = getFirstKnownSuperClassTree(cls, env);
    }
    known->remember(cls.getJClass(), found, generation, env);
    return found;
}

NativeppObjectClass* NativeppObjectClass::getFirstKnownSuperClassTree(NativeppJClassLocal& cls, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (cls.isNull()) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", "the superclass of an empty class", env);
    }
    jobject start = env->NewLocalRef(cls.getJObject());
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    auto current = std::make_unique<NativeppJClassLocal>(static_cast<jclass>(start), env);
    NativeppObjectClass* found = nullptr;
    while (found == nullptr) {
        jclass superclass = env->GetSuperclass(current->getJClass());
        current.reset();
        if (superclass == nullptr) {
            throw NativeppException("Interface class not valid in this context or no CPP class was generated");
        }
        current = std::make_unique<NativeppJClassLocal>(superclass, env);
        found = findClass(env, *current);
    }
    return found;
}

bool NativeppObjectClass::isInstanceOf(const NativeppJObjectWrapper& obj, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    // IsInstanceOf raises nothing: no check after it.
    return env->IsInstanceOf(obj.getJObject(), getJClass(env)->getJClass()) == JNI_TRUE;
}

void NativeppObjectClass::throwAsNativeException(JNIEnv* env) {
    NativeppJObjectLocal obj = NativeppConstructor::callConstructor(env, -1, "()V", this);
    throwAsNativeException(obj);
    // The typed descriptors always throw; reaching here means a descriptor did not.
    throw NativeppException(std::string("INTERNAL ERROR, no exception thrown for: ") + getClassName());
}

NativeppObjectClass* NativeppObjectClass::getArrayClassElement() {
    NativeppObjectClass* element = arrayElementClass.load(std::memory_order_acquire);
    if (element != nullptr) {
        return element;
    }
    if (arrayElementClassName.empty()) {
        throw NativeppException(std::string("INTERNAL ERROR: class is not an array:") + getClassName());
    }
    NativeppObjectClass* found = getClass(arrayElementClassName.c_str(), nullptr);
    // Every thread finds the same descriptor; the first store wins and the others agree.
    arrayElementClass.compare_exchange_strong(element, found, std::memory_order_acq_rel);
    return arrayElementClass.load(std::memory_order_acquire);
}

template <typename ID>
ID* NativeppObjectClass::table(std::atomic<ID*>& ids, int count) {
    ID* existing = ids.load(std::memory_order_acquire);
    if (existing != nullptr) {
        return existing;
    }
    NativeppSimpleLock::Guard guard(lock);
    existing = ids.load(std::memory_order_acquire);
    if (existing == nullptr) {
        // Value-initialised: zero means "not looked up yet"; a count of 0 still yields a table.
        existing = new ID[count > 0 ? count : 0]();
        ids.store(existing, std::memory_order_release);
    }
    return existing;
}

jmethodID* NativeppObjectClass::getConstructorIDArray() { return table(constructorIDs, numConstructors); }

jmethodID* NativeppObjectClass::getMethodIDArray() { return table(methodIDs, numMethods); }

jfieldID* NativeppObjectClass::getFieldIDArray() { return table(fieldIDs, numFields); }

void NativeppObjectClass::setFieldWritability(int i, FieldWritability state) {
    __atomic_store_n(&table(fieldWritability, numFields)[i], static_cast<unsigned char>(state), __ATOMIC_RELEASE);
}

}  // namespace nativepp
