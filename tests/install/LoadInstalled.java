import com.drovantel.tarvelo.core.impl.jni.TarveloNative;

/**
 * Loads the installed library by name, as a Java program that adopts it does, and checks that
 * it is the one of the architecture given as the argument.
 */
public final class LoadInstalled {
    public static void main(String[] args) {
        System.loadLibrary("tarvelo");
        String architecture = TarveloNative.getArchitecture();
        int size = TarveloNative.getPlatformAddressSize();
        System.out.println("System.loadLibrary(\"tarvelo\"): " + architecture + ", pointer size " + size);
        if (!architecture.equals(args[0]) || size != (architecture.equals("i386") ? 4 : 8)) {
            System.exit(1);
        }
    }
}
