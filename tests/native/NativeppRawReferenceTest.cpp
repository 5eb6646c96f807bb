#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "java/lang/Object.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/NativeppTestSupport.h"

using java::lang::Object;
using nativepp::NativeppJObjectLocal;

namespace {

class NativeppRawReferences : public NativeppTest {
protected:
    bool boundTo(Object& proxy, jobject obj) {
        return env->IsSameObject(proxy.nativeppGetJObjectGlobal(env).getJObject(), obj) == JNI_TRUE;
    }
};

struct RawForm {
    const char* form;
    bool adopts;
    std::function<bool(jobject&)> use;  // whether the form did what it says
};

struct ReferenceKind {
    jobjectRefType type;
    jobject (*make)(JNIEnv*, jobject);
    void (*release)(JNIEnv*, jobject);
};

}  // namespace

// A proxy shown a raw reference never deletes it, and takes over only a local one: a global
// or weak reference belongs to whoever made it.
TEST_F(NativeppRawReferences, OnlyAdoptingFormsDeleteAndOnlyALocalReference) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    Object bound(obj);
    const std::vector<RawForm> forms = {
        {"operator==", false, [&](jobject& ref) { return bound == ref; }},
        {"operator!=", false, [&](jobject& ref) { return !(bound != ref); }},
        {"operator=", true,
         [&](jobject& ref) {
             Object target;
             target = ref;
             return boundTo(target, obj.getJObject());
         }},
        {"T(jobject&)", true, [&](jobject& ref) { Object made(ref); return boundTo(made, obj.getJObject()); }},
        {"T(jobject&, tag)", true,
         [&](jobject& ref) {
             Object made(ref, _nativeppNewInstanceParamDiscriminator);
             return boundTo(made, obj.getJObject());
         }},
    };
    const std::vector<ReferenceKind> kinds = {
        {JNILocalRefType, [](JNIEnv* e, jobject o) { return e->NewLocalRef(o); },
         [](JNIEnv* e, jobject r) { e->DeleteLocalRef(r); }},
        {JNIGlobalRefType, [](JNIEnv* e, jobject o) { return e->NewGlobalRef(o); },
         [](JNIEnv* e, jobject r) { e->DeleteGlobalRef(r); }},
        {JNIWeakGlobalRefType, [](JNIEnv* e, jobject o) { return static_cast<jobject>(e->NewWeakGlobalRef(o)); },
         [](JNIEnv* e, jobject r) { e->DeleteWeakGlobalRef(static_cast<jweak>(r)); }},
    };
    for (const RawForm& f : forms) {
        for (const ReferenceKind& kind : kinds) {
            jobject ref = kind.make(env, obj.getJObject());
            const bool takenOver = f.adopts && kind.type == JNILocalRefType;
            {
                JNICallCounter counter;
                EXPECT_TRUE(f.use(ref)) << f.form << " kind " << kind.type;
                EXPECT_EQ(takenOver ? 1 : 0, counter.localDeletionsOf(ref)) << f.form << " kind " << kind.type;
            }
            if (!takenOver) {
                EXPECT_EQ(kind.type, env->GetObjectRefType(ref)) << f.form << " kind " << kind.type;
                kind.release(env, ref);
            }
        }
    }
}
