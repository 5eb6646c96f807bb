#ifndef NATIVEPP_NATIVEPPOBJECTCLASS_H
#define NATIVEPP_NATIVEPPOBJECTCLASS_H

#include <jni.h>

#include <atomic>
#include <map>
#include <string>

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJClassLocal.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppSimpleLock.h"

namespace nativepp {

class NativeppObject;
class NativeppObjectClass;

/// The class registry: class name to descriptor, filled by the descriptors' constructors.
/// findClass may run while descriptors register; the map itself is for reading when no
/// registration can run (at start, in tests).
NATIVEPP_EXPORT std::map<std::string, NativeppObjectClass*>* nativeppGetMapClasses();

/// Descriptor of a proxied class: registered by name, with tables of cached member IDs.
/// Owns: its class reference and ID tables, for the life of the process (descriptors are
/// statics). Threads: any attached thread; each table is allocated once, under the
/// descriptor's lock, which is never held across a JNI call. Throws: NativeppException
/// "Class not found: " + name, "Method not found, name: …" and internal errors; the mapped
/// proxy of a Java exception from a lookup.
class NATIVEPP_EXPORT NativeppObjectClass : public NativeppClass {
public:
    /// A descriptor of className (JNI form) with type signature signature and ID tables of the
    /// sizes given; an array class names its element class. Registers itself.
    ///@{
    NativeppObjectClass(const char* className, const char* signature, int numFields, int numConstructors,
                        int numMethods);
    NativeppObjectClass(const char* className, const char* signature, int numFields, int numConstructors,
                        int numMethods, const char* arrayElementClassName);
    ///@}
    ~NativeppObjectClass() override;

    using NativeppClass::getClassName;
    using NativeppClass::getJavaClass;

    /// Adds cls to the registry under its class name.
    static void registerClass(NativeppObjectClass* cls);
    /// The registered descriptor of the class name (JNI form, "java/lang/String") or of cls;
    /// null when none is registered.
    ///@{
    static NativeppObjectClass* findClass(const char* name);
    static NativeppObjectClass* findClass(JNIEnv* env, NativeppJClassLocal& cls);
    ///@}
    /// The registered descriptor of the class name or of obj's class, else defaultClass; raises
    /// "Class not found: " + name when defaultClass is null.
    ///@{
    static NativeppObjectClass* getClass(const char* name, NativeppObjectClass* defaultClass);
    static NativeppObjectClass* getClass(NativeppJObjectLocal& obj, NativeppObjectClass* defaultClass, JNIEnv* env);
    ///@}

    /// A proxy of obj's exact registered class, else of defaultClass; null for null.
    static NativeppObject* newObjectInstance(NativeppJObjectLocal& obj, NativeppObjectClass* defaultClass,
                                             JNIEnv* env);

    /// The class of obj's object, in a holder.
    static NativeppJClassLocal getJavaClass(NativeppJObjectLocal& obj, JNIEnv* env);
    /// The class name of cls, or of obj's class, in JNI form ("java/lang/String"), modified UTF-8.
    ///@{
    static std::string getClassName(NativeppJClassLocal& cls, JNIEnv* env);
    static std::string getClassName(NativeppJObjectLocal& obj, JNIEnv* env);
    ///@}
    /// The cached method IDs of Object.getClass() and Class.getName().
    ///@{
    static jmethodID getMIDGetClass(JNIEnv* env);
    static jmethodID getMIDGetName(JNIEnv* env);
    ///@}

    /// The registered descriptor of the class or of its nearest registered superclass; the
    /// mapped NullPointerException for an empty holder.
    ///@{
    static NativeppObjectClass* getFirstKnownClassTree(const char* name, JNIEnv* env);
    static NativeppObjectClass* getFirstKnownClassTree(NativeppJObjectLocal& obj, JNIEnv* env);
    ///@}
    /// The registered descriptor of cls or of its nearest registered superclass.
    static NativeppObjectClass* getFirstKnownSuperClassTree(NativeppJClassLocal& cls, JNIEnv* env);

    /// Whether obj's object is an instance of this class (true for null, as JNI says).
    bool isInstanceOf(const NativeppJObjectWrapper& obj, JNIEnv* env);

    /// Throws a new instance of this class, made with its no-argument constructor.
    [[noreturn]] void throwAsNativeException(JNIEnv* env);

    /// The descriptor of the element class of an array class; raises for a class that is not an
    /// array.
    NativeppObjectClass* getArrayClassElement();

    /// The sizes of the ID tables, as the proxy declares them.
    ///@{
    int getNumFields() const { return numFields; }
    int getNumConstructors() const { return numConstructors; }
    int getNumMethods() const { return numMethods; }
    ///@}

    /// The ID tables, allocated on first use and owned by the descriptor.
    ///@{
    jmethodID* getConstructorIDArray();
    jmethodID* getMethodIDArray();
    jfieldID* getFieldIDArray();
    ///@}
    /// Entries are read without a lock while another thread may store one: atomic accesses.
    jmethodID getConstructorID(int i) { return __atomic_load_n(&getConstructorIDArray()[i], __ATOMIC_ACQUIRE); }
    /// Stores the ID of constructor i.
    void setConstructorID(int i, jmethodID id) { __atomic_store_n(&getConstructorIDArray()[i], id, __ATOMIC_RELEASE); }
    /// Null until looked up; read without a call, as every member access starts here.
    jmethodID getMethodID(int i) { return cachedID(methodIDs, i); }
    /// Stores the ID of method i.
    void setMethodID(int i, jmethodID id) { __atomic_store_n(&getMethodIDArray()[i], id, __ATOMIC_RELEASE); }
    /// The ID of field i, null until looked up.
    jfieldID getFieldID(int i) { return cachedID(fieldIDs, i); }
    /// Stores the ID of field i.
    void setFieldID(int i, jfieldID id) { __atomic_store_n(&getFieldIDArray()[i], id, __ATOMIC_RELEASE); }

    /// Whether field i may be written, known once its ID is: the ID at i never changes.
    enum FieldWritability : unsigned char { fieldWritabilityUnknown = 0, fieldWritable = 1, fieldFinal = 2 };
    /// Whether field i may be written, or unknown yet.
    FieldWritability getFieldWritability(int i) {
        unsigned char* states = fieldWritability.load(std::memory_order_acquire);
        return static_cast<FieldWritability>(states != nullptr ? __atomic_load_n(&states[i], __ATOMIC_ACQUIRE) : 0);
    }
    /// Records whether field i may be written.
    void setFieldWritability(int i, FieldWritability state);

    /// Entry i, filled by lookUp() when it is still zero. No lock is held across lookUp: a
    /// JNI lookup may run or wait for the class's static initialiser, whose native code may
    /// look up other members of this class. Threads racing on a first use may each look it
    /// up; once published, an entry is never looked up again.
    ///@{
    template <typename LookUp>
    jmethodID lookUpConstructorID(int i, LookUp lookUp) { return lookUpOnce(getConstructorIDArray(), i, lookUp); }
    template <typename LookUp>
    jmethodID lookUpMethodID(int i, LookUp lookUp) { return lookUpOnce(getMethodIDArray(), i, lookUp); }
    template <typename LookUp>
    jfieldID lookUpFieldID(int i, LookUp lookUp) { return lookUpOnce(getFieldIDArray(), i, lookUp); }
    ///@}

    /// A heap proxy of this class bound to obj as an instance; the caller owns it.
    virtual NativeppObject* newObjectInstance(const NativeppJObjectLocal& obj) = 0;
    /// Throws a reference proxy of this class that holds its own global reference to obj.
    virtual void throwAsNativeException(const NativeppJObjectLocal& obj) = 0;
    /// As above for a local reference that the proxy takes over (deleted once bound).
    virtual void throwAsNativeExceptionAdopting(jobject obj) = 0;

private:
    void init(int numFields, int numConstructors, int numMethods, const char* arrayElementClassName);
    template <typename ID>
    ID* table(std::atomic<ID*>& ids, int count);
    template <typename ID>
    static ID cachedID(const std::atomic<ID*>& ids, int i) {
        ID* table = ids.load(std::memory_order_acquire);
        return table != nullptr ? __atomic_load_n(&table[i], __ATOMIC_ACQUIRE) : nullptr;
    }
    template <typename ID, typename LookUp>
    static ID lookUpOnce(ID* ids, int i, LookUp lookUp) {
        ID id = __atomic_load_n(&ids[i], __ATOMIC_ACQUIRE);
        if (id != nullptr) {
            return id;
        }
        id = lookUp();  // a failed lookup raises and leaves the entry zero
        __atomic_store_n(&ids[i], id, __ATOMIC_RELEASE);
        return id;
    }
    static jmethodID lookUpMethod(std::atomic<jmethodID>& cached, const char* className, const char* name,
                                  const char* signature, JNIEnv* env);

    std::string arrayElementClassName;
    std::atomic<NativeppObjectClass*> arrayElementClass;
    int numConstructors;
    int numMethods;
    int numFields;
    std::atomic<jmethodID*> constructorIDs;
    std::atomic<jmethodID*> methodIDs;
    std::atomic<jfieldID*> fieldIDs;
    std::atomic<unsigned char*> fieldWritability;
    NativeppSimpleLock lock;

    static std::atomic<jmethodID> midGetClass;
    static std::atomic<jmethodID> midGetName;
};

}  // namespace nativepp

#endif
