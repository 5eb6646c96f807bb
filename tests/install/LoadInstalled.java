import com.drovantel.tarvelo.core.impl.jni.TarveloNative;

/** Loads the installed library by name, as a Java program that adopts it does. */
public final class LoadInstalled {
    public static void main(String[] args) {
        System.loadLibrary("tarvelo");
        int size = TarveloNative.getPlatformAddressSize();
        System.out.println("System.loadLibrary(\"tarvelo\"): pointer size " + size);
        if (size != 4) {
            System.exit(1);
        }
    }
}
