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

// The class registry: class name to descriptor, filled by the descriptors' constructors.
NATIVEPP_EXPORT std::map<std::string, NativeppObjectClass*>* nativeppGetMapClasses();

// Descriptor of a proxied class: registered by name, with tables of cached member IDs.
// Owns: its class reference and ID tables, for the life of the process (descriptors are
// statics). Threads: any attached thread; each table is filled once, under the
// descriptor's lock. Throws: NativeppException "Class not found: " + name, "Method not
// found, name: …" and internal errors; the mapped proxy of a Java exception from a lookup.
class NATIVEPP_EXPORT NativeppObjectClass : public NativeppClass {
public:
    NativeppObjectClass(const char* className, const char* signature, int numFields, int numConstructors,
                        int numMethods);
    NativeppObjectClass(const char* className, const char* signature, int numFields, int numConstructors,
                        int numMethods, const char* arrayElementClassName);
    ~NativeppObjectClass() override;

    using NativeppClass::getClassName;
    using NativeppClass::getJavaClass;

    static void registerClass(NativeppObjectClass* cls);
    static NativeppObjectClass* findClass(const char* name);
    static NativeppObjectClass* findClass(JNIEnv* env, NativeppJClassLocal& cls);
    static NativeppObjectClass* getClass(const char* name, NativeppObjectClass* defaultClass);
    static NativeppObjectClass* getClass(NativeppJObjectLocal& obj, NativeppObjectClass* defaultClass, JNIEnv* env);

    // A proxy of obj's exact registered class, else of defaultClass; null for null.
    static NativeppObject* newObjectInstance(NativeppJObjectLocal& obj, NativeppObjectClass* defaultClass,
                                             JNIEnv* env);

    static NativeppJClassLocal getJavaClass(NativeppJObjectLocal& obj, JNIEnv* env);
    static std::string getClassName(NativeppJClassLocal& cls, JNIEnv* env);
    static std::string getClassName(NativeppJObjectLocal& obj, JNIEnv* env);
    static jmethodID getMIDGetClass(JNIEnv* env);
    static jmethodID getMIDGetName(JNIEnv* env);

    // The registered descriptor of the class or of its nearest registered superclass.
    static NativeppObjectClass* getFirstKnownClassTree(const char* name, JNIEnv* env);
    static NativeppObjectClass* getFirstKnownClassTree(NativeppJObjectLocal& obj, JNIEnv* env);
    static NativeppObjectClass* getFirstKnownSuperClassTree(NativeppJClassLocal& cls, JNIEnv* env);

    bool isInstanceOf(const NativeppJObjectWrapper& obj, JNIEnv* env);

    // Throws a new instance of this class, made with its no-argument constructor.
    [[noreturn]] void throwAsNativeException(JNIEnv* env);

    NativeppObjectClass* getArrayClassElement();

    jmethodID* getConstructorIDArray();
    jmethodID* getMethodIDArray();
    jfieldID* getFieldIDArray();
    jmethodID getConstructorID(int i) { return getConstructorIDArray()[i]; }
    void setConstructorID(int i, jmethodID id) { getConstructorIDArray()[i] = id; }
    jmethodID getMethodID(int i) { return getMethodIDArray()[i]; }
    void setMethodID(int i, jmethodID id) { getMethodIDArray()[i] = id; }
    jfieldID getFieldID(int i) { return getFieldIDArray()[i]; }
    void setFieldID(int i, jfieldID id) { getFieldIDArray()[i] = id; }

    virtual NativeppObject* newObjectInstance(const NativeppJObjectLocal& obj) = 0;
    virtual void throwAsNativeException(const NativeppJObjectLocal& obj) = 0;

private:
    void init(int numFields, int numConstructors, int numMethods, const char* arrayElementClassName);
    template <typename ID>
    ID* table(std::atomic<ID*>& ids, int count);
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
    NativeppSimpleLock lock;

    static std::atomic<jmethodID> midGetClass;
    static std::atomic<jmethodID> midGetName;
};

}  // namespace nativepp

#endif
